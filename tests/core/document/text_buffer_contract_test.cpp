#include <gtest/gtest.h>

#include <algorithm>

#include "core/document/editor_contract_cases.h"
#include "core/document/text_buffer.h"

namespace markloom {
namespace {

class BufferUnderTest : public contract::EditorUnderTest {
 public:
  explicit BufferUnderTest(const contract::Lines& lines) : buffer(lines) {}
  EditorOps& ops() override { return buffer; }
  void pickPopupItem(const std::string& item) override {
    const auto& items = buffer.popupItems();
    const auto at = std::find(items.begin(), items.end(), item);
    ASSERT_NE(at, items.end());
    buffer.pickPopupItem(static_cast<int>(at - items.begin()));
  }
  void type(const std::string& text) override { buffer.replaceSelection(text); }

 private:
  TextBuffer buffer;
};

class TextBufferContract : public ::testing::TestWithParam<contract::Case> {};

TEST_P(TextBufferContract, Holds) {
  contract::runCase([](const contract::Lines& l) { return std::make_unique<BufferUnderTest>(l); }, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, TextBufferContract, ::testing::ValuesIn(contract::cases()),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace markloom
