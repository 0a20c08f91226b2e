#include "graphs/gui/GraphWindowParts.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

#include "graphs/gui/QtDrawingSurface.h"
#include "shell/ColourScheme.h"

namespace saltmark {

QAction* namedAction(QMenu* menu, const char* name, const QString& caption, bool checkable) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setCheckable(checkable);
  return action;
}

QAction* namedMenuBarAction(QMenuBar* bar, const char* name, const QString& caption) {
  QAction* action = bar->addAction(caption);
  action->setObjectName(name);
  return action;
}

QLabel* namedLabel(const char* name, QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QLabel* readoutLabel(const char* name, QWidget* parent, int minimumWidth) {
  QLabel* label = namedLabel(name, parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumWidth(minimumWidth);
  label->setAutoFillBackground(true);
  return label;
}

QColor SchemeBackground(const Settings& settings) {
  const ColourScheme scheme = ColourSchemeFor(settings);
  return scheme.background ? toQColor(Colour{*scheme.background}) : QApplication::palette().color(QPalette::Button);
}

QColor SchemeCursorColour(const Settings& settings) { return toQColor(Colour{ColourSchemeFor(settings).drawing3}); }

void ApplyWindowScheme(QWidget& window, const Settings& settings) {
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, SchemeBackground(settings));
  palette.setColor(QPalette::WindowText, Qt::black);
  window.setPalette(palette);
  window.setAutoFillBackground(true);
}

namespace {

class LabelClickFilter : public QObject {
 public:
  LabelClickFilter(QObject* owner, std::function<void()> clicked) : QObject(owner), clicked_(std::move(clicked)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      clicked_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> clicked_;
};

}  // namespace

void OnLabelClick(QObject* owner, std::initializer_list<QLabel*> labels, std::function<void()> clicked) {
  auto* filter = new LabelClickFilter(owner, std::move(clicked));
  for (QLabel* label : labels) {
    label->installEventFilter(filter);
    label->setCursor(Qt::PointingHandCursor);
  }
}

}  // namespace saltmark
