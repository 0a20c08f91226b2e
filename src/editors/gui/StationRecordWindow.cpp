#include "editors/gui/StationRecordWindow.h"

#include <QGroupBox>
#include <QLabel>

#include "editors/gui/EditorBoxes.h"
#include "locations/Positions.h"

namespace saltmark {

void StationRecordWindow::buildStationBoxes(const ReferencePortList& ports) {
  QGroupBox* frame = recordFrame();
  Nam_ = editorBox("Nam", frame);
  lat_ = editorBox("lat", frame);
  lon_ = editorBox("lon", frame);
  watchBox(Nam_);
  watchBox(lat_, [](std::string_view text) { return NormaliseLatitudeText(text); });
  watchBox(lon_, [](std::string_view text) { return NormaliseLongitudeText(text); });
  reflat_ = positionLabel("reflat", frame);
  reflon_ = positionLabel("reflon", frame);
  ref_ = new ReferencePortBox(ports, reflat_, reflon_, frame);
}

}  // namespace saltmark
