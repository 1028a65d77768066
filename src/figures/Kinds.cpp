#include "figures/Kinds.h"

#include <algorithm>

namespace figures {

const std::vector<const Kind*>& Kinds() {
  // One line per kind, in the order of scene::Figure.
  static const std::vector<const Kind*> kinds{&ThePointKind(), &TheLineKind(), &ThePlaneKind()};
  return kinds;
}

const Kind& KindOf(scene::Figure figure) {
  for (const Kind* kind : Kinds())
    if (kind->Figure() == figure) return *kind;
  return *Kinds().front();
}

const Kind* KindWithPoints(std::size_t count) {
  for (const Kind* kind : Kinds())
    if (kind->PointCount() == count) return kind;
  return nullptr;
}

std::int32_t ChosenCode(const ListChoices& choices, AnswerList list) {
  const int index = choices[static_cast<std::size_t>(list)];
  return index < 0 ? 0 : index + 1;
}

bool Contains(const std::vector<std::int32_t>& codes, std::int32_t code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace figures
