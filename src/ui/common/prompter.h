#pragma once
// Every message box, file chooser and input box goes through the Prompter, so
// tests can replace the real dialogs with a scripted double and answer "Cancel"
// to the second of three questions without a modal loop.
#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace markloom {

class Prompter {
 public:
  enum class Icon { None, Information, Warning, Error, Question };
  enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, YesNoAllCancel };
  enum class Answer { Ok, Cancel, Yes, No, All };

  virtual ~Prompter() = default;

  virtual Answer message(const QString& caption, const QString& text, Icon icon, Buttons buttons) = 0;
  // The standard error box: the application title as caption, an error icon, OK.
  virtual void showError(const QString& text) = 0;
  virtual void beep() = 0;

  // File and folder choosers; an empty result (or list) means Cancel.
  virtual QString openFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
  virtual QStringList openFileNames(const QString& caption, const QString& folder, const QString& filter) = 0;
  virtual QString saveFileName(const QString& caption, const QString& proposed, const QString& filter) = 0;
  virtual QString existingFolder(const QString& caption, const QString& folder) = 0;

  // Input box; nullopt means Cancel.
  virtual std::optional<QString> inputText(const QString& caption, const QString& label, const QString& initial) = 0;
  // Colour chooser; nullopt means Cancel.
  virtual std::optional<QColor> color(const QColor& initial) = 0;

  // The prompter in use; the Qt one unless a test installed another.
  static Prompter& instance();
  // Installs p (not owned); nullptr restores the Qt prompter.
  static void install(Prompter* p);
};

// The real dialogs.
class QtPrompter : public Prompter {
 public:
  Answer message(const QString& caption, const QString& text, Icon icon, Buttons buttons) override;
  void showError(const QString& text) override;
  void beep() override;
  QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
  QStringList openFileNames(const QString& caption, const QString& folder, const QString& filter) override;
  QString saveFileName(const QString& caption, const QString& proposed, const QString& filter) override;
  QString existingFolder(const QString& caption, const QString& folder) override;
  std::optional<QString> inputText(const QString& caption, const QString& label, const QString& initial) override;
  std::optional<QColor> color(const QColor& initial) override;
};

}  // namespace markloom
