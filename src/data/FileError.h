#pragma once
// The message shown when a data file cannot be read, shared by the tide
// database loader, the stream graph and the main window's start.
#include <string>
#include <string_view>

#include "common/RuntimeError.h"
#include "platform/Platform.h"

namespace saltmark {

// The text of the message: "Not an Saltmark Database File" for a bad database
// (3049), otherwise the error's own text, then " : " and the path when there is one.
std::string FileErrorText(const RuntimeError& error, std::string_view path);

// Shows FileErrorText with the exclamation icon and the program's name as caption.
void ShowFileError(Platform& platform, const RuntimeError& error, std::string_view path);

}  // namespace saltmark
