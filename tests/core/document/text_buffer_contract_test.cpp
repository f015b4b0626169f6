#include <gtest/gtest.h>

#include "core/document/editor_contract_cases.h"
#include "core/document/text_buffer.h"

namespace markloom {
namespace {

class BufferUnderTest : public contract::EditorUnderTest {
 public:
  explicit BufferUnderTest(const contract::Lines& lines) : buffer(lines) {}
  EditorOps& ops() override { return buffer; }
  void pickPopupItem(int index) override { buffer.pickPopupItem(index); }
  void type(const std::string& text) override { buffer.ReplaceSelection(text); }

 private:
  TextBuffer buffer;
};

class TextBufferContract : public ::testing::TestWithParam<contract::Case> {};

TEST_P(TextBufferContract, Holds) {
  contract::runCase([](const contract::Lines& l) { return std::make_unique<BufferUnderTest>(l); }, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, TextBufferContract, ::testing::ValuesIn(contract::cases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace markloom
