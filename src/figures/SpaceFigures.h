// The parts the kinds of figure put in the view in space: a point with its
// projections, a line with its projections and traces, a plane as its triangle and
// traces, and where a line or a second plane meets a plane.
#pragma once

#include <string>

#include "drawing/SpaceView.h"
#include "scene/Scene.h"

namespace figures {

drawing::Vec3 SpacePointOf(const DihedralPoint& p);

// The point with its projections, named by its small letter ("a": A, a, a', a'').
void PointInSpace(drawing::SpaceFigure& space, const DihedralPoint& p, const std::string& letter,
                  drawing::Ink ink = drawing::Ink::kFigure);
// The line through p along d with its projections and its traces H (h, h') and
// V (v, v'); nothing when d is zero.
void LineInSpace(drawing::SpaceFigure& space, drawing::Vec3 p, drawing::Vec3 d,
                 const std::string& label, drawing::Ink ink);
// The line AB with its end points and their projections.
void SegmentLineInSpace(drawing::SpaceFigure& space, const DihedralPoint& A, const DihedralPoint& B,
                        const std::string& letters, drawing::Ink ink = drawing::Ink::kFigure);
// The plane through the three points as its triangle, its corners named by letters,
// and its traces named traceH and traceV.
void PlaneInSpace(drawing::SpaceFigure& space, const DihedralPoint& A, const DihedralPoint& B,
                  const DihedralPoint& C, const std::string& letters, const std::string& traceH,
                  const std::string& traceV, drawing::Ink ink);
// I, where the line DE meets the plane ABC, when they are secant.
void MeetingPointInSpace(drawing::SpaceFigure& space, const scene::Scene& scene);
// i, where the planes ABC and DEF meet, when they are secant.
void MeetingLineInSpace(drawing::SpaceFigure& space, const scene::Scene& scene);

// The scene's figure in space, as its kind puts it.
drawing::SpaceFigure SpaceFigureOf(const scene::Scene& scene);

}  // namespace figures
