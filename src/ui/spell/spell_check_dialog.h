#pragma once
// The spell checker's dialog: shows one finding with its suggestions and
// returns what the user chose. Words and lines are shown, and the replacement
// written back, through the checked document's codec.
#include <QDialog>

#include "core/document/spell_session.h"
#include "core/text/text_codec.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace markloom {

class SpellCheckDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SpellCheckDialog(TextCodec codec, QWidget* parent = nullptr);
  // Shows the issue (with the line it stands in) and waits for a choice.
  SpellDecision ask(const SpellIssue& issue, const std::string& context);

  // Fills the dialog for issue without waiting (ask uses it; tests too).
  void present(const SpellIssue& issue, const std::string& context);
  SpellDecision decision() const { return decision_; }

 private:
  void choose(SpellDecision::Action action);
  QString text(const std::string& bytes) const;
  std::string bytes(const QString& text) const;

  TextCodec codec_;
  QLabel* kind_ = nullptr;
  QLabel* context_ = nullptr;
  QLineEdit* changeTo_ = nullptr;
  QListWidget* suggestions_ = nullptr;
  QWidget* addButton_ = nullptr;
  QWidget* changeAllButton_ = nullptr;
  QWidget* ignoreAllButton_ = nullptr;
  SpellDecision decision_;
};

}  // namespace markloom
