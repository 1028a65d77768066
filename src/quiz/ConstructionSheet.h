// The construction exercises of a printed sheet: drawn from its seed, or read from
// a teacher's list, each one set only if its data, its answer and its whole
// construction fit kExerciseBox, so it prints at 1:1 two to a page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "quiz/ConstructionExercise.h"
#include "quiz/SheetRequest.h"

namespace quiz {

// Empty when the exercise can be set on a sheet; otherwise why not, in Spanish:
// it has no construction (a line of one point, parallel planes...) or something of
// it falls outside the 170 x 116 mm it is given.
std::string ConstructionFault(const ConstructionExercise& exercise);

// count construction exercises from their own generator seeded with seed, the four
// kinds dealt in turn, each round in its own shuffled order.
std::vector<ConstructionExercise> SheetConstructions(int count, std::uint32_t seed);

// What a sheet holds: its naming exercises, then its construction exercises. A
// sheet of constructions has only these; a mixed sheet asked with constructions
// gives one exercise in four (at least one) to them and keeps the rest as it was;
// any other sheet has none.
struct SheetContents {
  std::vector<GeneratedExercise> naming;
  std::vector<ConstructionExercise> constructions;
};
SheetContents SheetContentsOf(const SheetRequest& request);

// The kind of construction a list line with this many points names (2: a line's
// traces; 4, A B C P: the projection that is missing; 5: a line and a plane; 6: two
// planes); false for any other count.
bool ConstructionKindWithPoints(std::size_t count, classify::ConstructionKind& kind);

}  // namespace quiz
