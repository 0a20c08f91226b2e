#include "graphs/gui/GraphWindowParts.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include "graphs/gui/GraphPicture.h"
#include "graphs/gui/QtDrawingSurface.h"
#include "shell/AppState.h"
#include "shell/ColourScheme.h"

namespace saltmark {

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

std::pair<QAction*, QAction*> namedTickPair(QMenu* menu, const char* onName, const QString& onCaption,
                                            const char* offName, const QString& offCaption, QObject* owner,
                                            std::function<void(bool)> chosen) {
  QAction* on = namedAction(menu, onName, onCaption, true);
  QAction* off = namedAction(menu, offName, offCaption, true);
  QObject::connect(on, &QAction::triggered, owner, [chosen] { chosen(true); });
  QObject::connect(off, &QAction::triggered, owner, [chosen] { chosen(false); });
  return {on, off};
}

std::pair<QAction*, QAction*> addZoomMenu(QMenuBar* bar, QObject* owner, std::function<void()> zoomIn,
                                          std::function<void()> zoomOut) {
  QMenu* zoom = namedMenu(bar, "Zoom", "&Zoom");
  QAction* in = namedAction(zoom, "ZoomIn", "In");
  QAction* out = namedAction(zoom, "ZoomOut", "Out");
  QObject::connect(in, &QAction::triggered, owner, [zoomIn = std::move(zoomIn)] { zoomIn(); });
  QObject::connect(out, &QAction::triggered, owner, [zoomOut = std::move(zoomOut)] { zoomOut(); });
  return {in, out};
}

void addPrintMenu(QMenuBar* bar, QObject* owner, std::function<void(bool)> print) {
  QMenu* menu = namedMenu(bar, "Print", "&Print");
  QObject::connect(namedAction(menu, "Print_Mono", "Monochrome"), &QAction::triggered, owner,
                   [print] { print(false); });
  QObject::connect(namedAction(menu, "Colour", "Colour"), &QAction::triggered, owner, [print] { print(true); });
}

void addAccuracyExitHelp(QMenuBar* bar, QObject* owner, AppState& state, const char* exitName,
                         std::function<void()> leave, int helpTopic) {
  constexpr int kAccuracyHelpTopic = 11;
  QObject::connect(namedMenuBarAction(bar, "Accuracy", "&Accuracy"), &QAction::triggered, owner,
                   [&state] { state.platform.showHelpTopic(kAccuracyHelpTopic); });
  QObject::connect(namedMenuBarAction(bar, exitName, "E&xit"), &QAction::triggered, owner,
                   [leave = std::move(leave)] { leave(); });
  QObject::connect(namedMenuBarAction(bar, "Help", "&Help"), &QAction::triggered, owner,
                   [&state, helpTopic] { state.platform.showHelpTopic(helpTopic); });
}

void setTickPair(QAction* on, QAction* off, bool isOn) {
  on->setChecked(isOn);
  off->setChecked(!isOn);
}

QFrame* headerBand(QWidget* parent) {
  auto* band = new QFrame(parent);
  band->setObjectName("labTopBkgnd");
  band->setAutoFillBackground(true);
  return band;
}

QPushButton* pageButton(const char* name, const QString& caption, const QString& toolTip, QWidget* parent,
                        QObject* owner, std::function<void()> clicked) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setToolTip(toolTip);
  QObject::connect(button, &QPushButton::clicked, owner, [clicked = std::move(clicked)] { clicked(); });
  return button;
}

void layOutReadouts(QFrame* frame, const std::vector<std::pair<QLabel*, QLabel*>>& rows) {
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(4, 4, 4, 4);
  int row = 0;
  for (const auto& [caption, value] : rows) {
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row++, 1);
  }
}

void connectGraphPicture(GraphPicture* picture, QWidget* window, std::function<void(double, bool)> moved,
                         std::function<void(double, bool)> pressed, std::function<void()> resized) {
  QObject::connect(picture, &GraphPicture::mouseMovedTo, window,
                   [moved = std::move(moved)](double column, bool held) { moved(column, held); });
  QObject::connect(picture, &GraphPicture::mousePressedAt, window,
                   [pressed = std::move(pressed)](double column, bool button) { pressed(column, button); });
  QObject::connect(picture, &GraphPicture::resized, window, [window, resized = std::move(resized)] {
    if (window->isVisible()) resized();
  });
}

}  // namespace saltmark
