#pragma once
// Small pieces both graph windows are built from: named menu items and
// labels (a control's objectName is its name in the program), the window's
// colours from the scheme, and labels that answer a click.
#include <functional>

#include <QColor>
#include <QLabel>

#include "data/Settings.h"

class QAction;
class QMenu;
class QMenuBar;
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

}  // namespace saltmark
