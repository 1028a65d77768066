// The kinds of figure, each in its own file, and the registry that lists them.
#pragma once

#include "figures/Kind.h"

namespace figures {

class PointKind final : public Kind {
 public:
  scene::Figure Figure() const override;
  const char* Word() const override;
  std::size_t PointCount() const override;
  std::vector<AnswerList> Lists() const override;
  Answer ReadAnswer(const ListChoices& choices) const override;
  Exercise ExerciseOf(const DihedralPoint& A, const DihedralPoint& B,
                      const DihedralPoint& C) const override;
  bool JudgedRight(const Exercise& e, const Answer& a, bool detailed) const override;
  std::string Explanation(const Exercise& e, const Answer& a) const override;
  void RightCodes(const Exercise& e, bool detailed, std::vector<std::int32_t>& types,
                  std::vector<std::int32_t>& relations) const override;
  std::string AnswerText(const Answer& a) const override;
  std::string RightText(const Exercise& e, const std::vector<std::int32_t>& types,
                        const std::vector<std::int32_t>& relations) const override;
  KeyNames KeyNamesOf(const DihedralPoint& A, const DihedralPoint& B,
                      const DihedralPoint& C) const override;
  std::vector<std::string> AnswerPrompts() const override;
  BankQuestion QuestionOf(const DihedralPoint& A, const DihedralPoint& B,
                          const DihedralPoint& C) const override;
};

class LineKind final : public Kind {
 public:
  scene::Figure Figure() const override;
  const char* Word() const override;
  std::size_t PointCount() const override;
  std::vector<AnswerList> Lists() const override;
  Answer ReadAnswer(const ListChoices& choices) const override;
  Exercise ExerciseOf(const DihedralPoint& A, const DihedralPoint& B,
                      const DihedralPoint& C) const override;
  bool JudgedRight(const Exercise& e, const Answer& a, bool detailed) const override;
  std::string Explanation(const Exercise& e, const Answer& a) const override;
  void RightCodes(const Exercise& e, bool detailed, std::vector<std::int32_t>& types,
                  std::vector<std::int32_t>& relations) const override;
  std::string AnswerText(const Answer& a) const override;
  std::string RightText(const Exercise& e, const std::vector<std::int32_t>& types,
                        const std::vector<std::int32_t>& relations) const override;
  KeyNames KeyNamesOf(const DihedralPoint& A, const DihedralPoint& B,
                      const DihedralPoint& C) const override;
  std::vector<std::string> AnswerPrompts() const override;
  BankQuestion QuestionOf(const DihedralPoint& A, const DihedralPoint& B,
                          const DihedralPoint& C) const override;
};

class PlaneKind final : public Kind {
 public:
  scene::Figure Figure() const override;
  const char* Word() const override;
  std::size_t PointCount() const override;
  std::vector<AnswerList> Lists() const override;
  Answer ReadAnswer(const ListChoices& choices) const override;
  Exercise ExerciseOf(const DihedralPoint& A, const DihedralPoint& B,
                      const DihedralPoint& C) const override;
  bool JudgedRight(const Exercise& e, const Answer& a, bool detailed) const override;
  std::string Explanation(const Exercise& e, const Answer& a) const override;
  void RightCodes(const Exercise& e, bool detailed, std::vector<std::int32_t>& types,
                  std::vector<std::int32_t>& relations) const override;
  std::string AnswerText(const Answer& a) const override;
  std::string RightText(const Exercise& e, const std::vector<std::int32_t>& types,
                        const std::vector<std::int32_t>& relations) const override;
  KeyNames KeyNamesOf(const DihedralPoint& A, const DihedralPoint& B,
                      const DihedralPoint& C) const override;
  std::vector<std::string> AnswerPrompts() const override;
  BankQuestion QuestionOf(const DihedralPoint& A, const DihedralPoint& B,
                          const DihedralPoint& C) const override;
};

}  // namespace figures
