// "Mostrar trazas" (Ctrl+T): the traces of the line on request, drawn so that they
// never give away a test's answer nor wipe its score.
#pragma once

#include <cstdint>

#include "app/UnitQuorvel.h"

class QAction;

namespace app {

class TraceCommands : public CommandGroup {
 public:
  explicit TraceCommands(TQuorvel& window);
  // The answer is out: the traces join it, as the next edit would show them.
  void AnswerChecked() override;

 private:
  void Toggled(bool on);
  // The checked exercise's verdict and score panel stay on the surface until the
  // next frame; nothing can draw them again, so the entry must not clear them.
  bool ResultOnSurface() const;
  bool resultShown_ = false;
  std::uint64_t resultFrame_ = 0;
};

}  // namespace app
