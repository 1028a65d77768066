// The exercises of a sheet as a Moodle XML question bank ("Banco de preguntas →
// Importar"): one question each, its picture embedded, every true name right.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "quiz/TestMode.h"
#include "render/SheetPicture.h"

namespace render {

// The bank, UTF-8. origin names where the exercises came from, e.g. "rectas,
// semilla 7" or a list's file name: in each question's name, "Ejercicio n (origin)",
// and in the bank's category, "$course$/Quorvel/origin".
QByteArray MoodleXml(const std::vector<quiz::GeneratedExercise>& exercises, const QString& origin,
                     const SheetPalette& palette);

}  // namespace render
