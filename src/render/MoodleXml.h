// The exercises of a sheet as a Moodle XML question bank ("Banco de preguntas →
// Importar"): one question each, its picture embedded, every true name right.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "quiz/ConstructionExercise.h"
#include "quiz/TestMode.h"
#include "render/SheetPicture.h"

namespace render {

// The bank, UTF-8. origin names where the exercises came from, e.g. "rectas,
// semilla 7" or a list's file name: in each question's name, "Ejercicio n (origin)",
// and in the bank's category, "$course$/Quorvel/origin".
QByteArray MoodleXml(const std::vector<quiz::GeneratedExercise>& exercises, const QString& origin,
                     const SheetPalette& palette);
// The same with construction exercises after them, numbered after them, each a
// "drag and drop markers" question (ddmarker): its data as the background picture,
// kBankPixelsPerMm pixels to a unit, one marker to drag for each answer, and a
// circle round the exact place whose radius is the default tolerance. An exercise
// with a marker that does not exist ("No existe" has no place on a picture) is
// left out of the bank.
QByteArray MoodleXml(const std::vector<quiz::GeneratedExercise>& exercises,
                     const std::vector<quiz::ConstructionExercise>& constructions,
                     const QString& origin, const SheetPalette& palette);

}  // namespace render
