#pragma once
// Small pieces both graph windows are built from: named menu items and
// labels (a control's objectName is its name in the program), the window's
// colours from the scheme, labels that answer a click, and the menus,
// buttons and commands the two windows have in common.
#include <functional>
#include <optional>
#include <utility>

#include <QColor>
#include <QLabel>

#include "data/Settings.h"
#include "graphs/GraphCursor.h"
#include "graphs/GraphModel.h"

class QAction;
class QEvent;
class QFrame;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace saltmark {

QAction* namedAction(QMenu* menu, const char* name, const QString& caption, bool checkable = false);
QAction* namedMenuBarAction(QMenuBar* bar, const char* name, const QString& caption);
QLabel* namedLabel(const char* name, QWidget* parent, const QString& text = {});
// A value label: sunken, so it reads as a readout rather than a caption.
QLabel* readoutLabel(const char* name, QWidget* parent, int minimumWidth = 70);

// The scheme's window background (the system's button face in colour, white
// in monochrome), and the colour the cursor line is drawn in.
QColor SchemeBackground(const Settings& settings);
QColor SchemeCursorColour(const Settings& settings);
// Background and black text for the window and its children.
void ApplyWindowScheme(QWidget& window, const Settings& settings);

// Runs `clicked` when any of the labels is clicked.
void OnLabelClick(QObject* owner, std::initializer_list<QLabel*> labels, std::function<void()> clicked);

struct AppState;
class GraphPicture;

// A drop-down menu of the menu bar.
QMenu* namedMenu(QMenuBar* bar, const char* name, const QString& caption);
// A checkable pair of items (on, then off); `chosen` gets true for the
// first, false for the second.
std::pair<QAction*, QAction*> namedTickPair(QMenu* menu, const char* onName, const QString& onCaption,
                                            const char* offName, const QString& offCaption, QObject* owner,
                                            std::function<void(bool)> chosen);
// The Zoom menu with its In and Out items.
std::pair<QAction*, QAction*> addZoomMenu(QMenuBar* bar, QObject* owner, std::function<void()> zoomIn,
                                          std::function<void()> zoomOut);
// The Print menu: Monochrome and Colour; `print` gets whether in colour.
void addPrintMenu(QMenuBar* bar, QObject* owner, std::function<void(bool)> print);
// The last items of the bar: Accuracy, Exit (named `exitName`) and Help.
void addAccuracyExitHelp(QMenuBar* bar, QObject* owner, AppState& state, const char* exitName,
                         std::function<void()> leave, int helpTopic);

// Ticks an on/off pair of items.
void setTickPair(QAction* on, QAction* off, bool isOn);
// The graticule and midnight pairs and the zoom items, from the settings
// and the zoom level.
void restoreGraphMenuTicks(const Settings& settings, const ZoomControl& zoom, std::pair<QAction*, QAction*> graticule,
                           std::pair<QAction*, QAction*> midnight, std::pair<QAction*, QAction*> zoomItems);

// The header band across the top of the window.
QFrame* headerBand(QWidget* parent);
// A page button (<< or >>).
QPushButton* pageButton(const char* name, const QString& caption, const QString& toolTip, QWidget* parent,
                        QObject* owner, std::function<void()> clicked);
// The readout frame's grid of caption and value rows.
void layOutReadouts(QFrame* frame, std::initializer_list<std::pair<QLabel*, QLabel*>> rows);
// The graph picture's mouse and resize signals.
void connectGraphPicture(GraphPicture* picture, QWidget* window, std::function<void(double, bool)> moved,
                         std::function<void(double, bool)> pressed, std::function<void()> resized);

// Shown, raised and activated for a new run.
void bringToFront(QWidget& window);
// The sizing pointer over the picture while the cursor's width is dragged.
void showSizingPointer(GraphPicture& picture, const GraphCursor& cursor);
// Follows activation: `activated` runs before the window counts as active.
void trackActivation(const QEvent* event, bool& active, const std::function<void()>& activated);

// The grid a page button proposes: one plot duration earlier or later.
GraphGrid pagedGrid(const GraphGrid& grid, int direction);
// The grid the midnight items propose for the settings' duration.
GraphGrid midnightGrid(const Settings& settings, DateTime start, bool fromMidnight);
// Prompts for the plot duration and stores it; the grid to propose, or
// nothing when the prompt was cancelled.
std::optional<GraphGrid> promptPlotDuration(AppState& state, const GraphGrid& grid);

}  // namespace saltmark
