#pragma once
// What each editor says: its file extension, captions, questions, file
// dialog titles and help page. The two editors differ only in these words
// and in their records.
#include <string_view>

#include "editors/RecordListEditor.h"

namespace saltmark {

// The difference editor asks both kinds of question under one caption.
inline constexpr std::string_view kDifferencesCaption = "Saltmark:Tidal Differences";

inline constexpr EditorWording kDifferenceWording{
    .extension = "dif", .fileCaption = kDifferencesCaption, .recordQuestionCaption = kDifferencesCaption,
    .dataChangedQuestion = "Difference Data has changed. Save changes?",
    .windowCaptionPrefix = "Saltmark - Tidal Difference:    ", .saveAsFailure = "Cannot save file",
    .openTitle = "Open Difference Database", .saveTitle = "Save Difference Database", .helpContext = 16};

inline constexpr EditorWording kStreamWording{
    .extension = "vel", .fileCaption = "Saltmark:Tidal Streams", .recordQuestionCaption = "SaltMArk:Streams",
    .dataChangedQuestion = "Data has changed. Save changes?", .windowCaptionPrefix = "Saltmark Tidal Streams:    ",
    .saveAsFailure = "You have not entered the Save Filename correctly", .openTitle = "Open Stream Database",
    .saveTitle = "Save Stream Database", .helpContext = 15};

}  // namespace saltmark
