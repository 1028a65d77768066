#include "classify/Vocabulary.h"

namespace classify {

namespace {

bool Same(Shares a, Shares b) {
  return a.abscissa == b.abscissa && a.alejamiento == b.alejamiento && a.cota == b.cota;
}

}  // namespace

const LineCaseWords& BaseCase(Shares shares) {
  for (std::size_t i = 0; i < kBaseLineCases; ++i)
    if (Same(kLineCases[i].shares, shares)) return kLineCases[i];
  return kLineCases[0];  // not reached: the eight base cases cover every combination
}

const LineCaseWords* BaseCaseOfType(std::int32_t typeCode) {
  for (std::size_t i = 0; i < kBaseLineCases; ++i)
    if (kLineCases[i].typeCode == typeCode) return &kLineCases[i];
  return nullptr;
}

const LineCaseWords* BaseCaseOfRelation(std::int32_t relationCode) {
  for (std::size_t i = 0; i < kBaseLineCases; ++i)
    if (kLineCases[i].relationCode == relationCode) return &kLineCases[i];
  return nullptr;
}

}  // namespace classify
