#pragma once
// The graphs as vector drawings, through the same drawing model as the
// windows and the PNG: an SVG that a browser opens, and a PDF page. Both
// are written atomically; the result is the message to show on failure.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include <QByteArray>
#include <QSize>

#include "graphs/DrawingSurface.h"

namespace saltmark {

inline constexpr std::string_view kSvgFileFilter = "SVG Drawings (*.svg);;All Files (*)";
inline constexpr std::string_view kPdfFileFilter = "PDF Documents (*.pdf);;All Files (*)";

// Needs a QGuiApplication (for the label font). `size` in pixels of the
// drawing, which scales to any size without losing sharpness.
QByteArray RenderGraphSvg(QSize size, const std::function<void(DrawingSurface&)>& draw);
QByteArray RenderGraphPdf(QSize size, const std::function<void(DrawingSurface&)>& draw);

std::optional<std::string> SaveGraphFile(const std::filesystem::path& path, const QByteArray& bytes);

}  // namespace saltmark
