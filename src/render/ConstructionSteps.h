// A figure's construction step by step over the scene's own edit, with each step's
// sentence under the drawing: the window's player, the pictures out and the sheets
// all draw it here, so they show the same construction.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "classify/Construction.h"
#include "delgraph/delgraph.h"
#include "drawing/ConstructionDrawing.h"
#include "drawing/Painter.h"
#include "render/Export.h"
#include "render/Render.h"
#include "scene/Scene.h"

namespace render {

// The construction of the scene drawn on the painter, cut at its flat view; none
// when the figure has nothing to construct (a point, a plane alone).
std::optional<classify::Construction> SceneConstruction(const drawing::Painter& painter,
                                                        const scene::Scene& scene);

// Over the scene's edit already drawn: the first n steps of its construction, each in
// its colour, and the markers given, kept inside the flat view. Returns
// the construction drawn, or none (then nothing is drawn).
std::optional<classify::Construction> DrawStepsOver(
    drawing::Painter& painter, const scene::Scene& scene, std::size_t n,
    const std::vector<drawing::PlacedMarker>& placed = {});

// Inside WithSurface: the picture drawn as DrawEdit draws it, then its first n steps.
std::optional<classify::Construction> DrawConstructionStep(drawing::Painter& painter,
                                                           scene::Scene& scene,
                                                           const SceneSpec& picture, std::size_t n);

// The sentence of step n (from 1); empty at 0 and past the last step.
std::string StepSentence(const classify::Construction& construction, std::size_t n);

// The picture's construction as the flat view of an export cuts it, worked out
// without a device: what --describe lists and --construction-steps draws.
std::optional<classify::Construction> PictureConstruction(const SceneSpec& picture);
// Its sentences in order; none for a figure without a construction or one that
// lacks it (parallel planes, a line of one point...).
std::vector<std::string> StepSentences(const SceneSpec& picture);

// The band under the drawing area that holds a step's sentence: surface pixels.
constexpr int SentenceBand = 64;

// Writes a step's sentence across the band under the drawing area, word-wrapped,
// after a stroke in the step's colour.
void DrawSentence(drawing::Painter& painter, const std::string& sentence, std::size_t n);

// Step n (from 1) with its sentence under it: the drawing area and the band, at
// scale times their size, as RenderImage and RenderSvg draw the area alone.
QImage RenderStepImage(const SceneSpec& picture, const delgraph::Palette& palette, int scale,
                       std::size_t n);
QByteArray RenderStepSvg(const SceneSpec& picture, const delgraph::Palette& palette, int scale,
                         std::size_t n);
// A PDF document of one A4 landscape page a step, each with its sentence.
QByteArray RenderStepsPdf(const SceneSpec& picture, const delgraph::Palette& palette);

// Where step n of a picture exported to path goes: FILE.png gives FILE-1.png,
// FILE-2.png... (a PDF keeps its one name).
QString StepFileName(const QString& path, std::size_t n);

// The files --construction-steps writes for the picture: one PDF of a page a step,
// or one PNG or SVG file a step. Empty when it has no steps.
std::vector<FileToSave> StepFiles(const SceneSpec& picture, const delgraph::Palette& palette,
                                  const QString& path, Format format, int scale);

}  // namespace render
