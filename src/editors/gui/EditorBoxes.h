#pragma once
// Small builders for the editors' controls.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace saltmark {

inline QLineEdit* editorBox(const QString& name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  return box;
}

// A label that shows a position: sunken, so that a blank one still shows its place.
inline QLabel* positionLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumWidth(90);
  return label;
}

}  // namespace saltmark
