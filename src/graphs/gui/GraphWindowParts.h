#pragma once
// Small pieces both graph windows are built from: the window's colours from
// the scheme, labels that answer a click, and the menus and buttons the two
// windows have in common (with the named controls they are made of).
#include <functional>
#include <utility>
#include <vector>

#include <QColor>
#include <QLabel>

#include "data/Settings.h"
#include "platform/gui/NamedControls.h"

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace saltmark {

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
// The header band across the top of the window.
QFrame* headerBand(QWidget* parent);
// A page button (<< or >>).
QPushButton* pageButton(const char* name, const QString& caption, const QString& toolTip, QWidget* parent,
                        QObject* owner, std::function<void()> clicked);
// The readout frame's grid of caption and value rows.
void layOutReadouts(QFrame* frame, const std::vector<std::pair<QLabel*, QLabel*>>& rows);
// The graph picture's mouse and resize signals.
void connectGraphPicture(GraphPicture* picture, QWidget* window, std::function<void(double, bool)> moved,
                         std::function<void(double, bool)> pressed, std::function<void()> resized);

}  // namespace saltmark
