#pragma once
// The HTML cuecard list editor: the tags the cuecard offers after '<', each
// one line. Double-clicking an entry shows it as the current setting;
// Update puts the new setting in place of the selected entry (or adds it
// when none is selected); Add asks for a tag.
#include <QWidget>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

namespace markloom {

class CuecardEditor : public QWidget {
  Q_OBJECT
 public:
  explicit CuecardEditor(QWidget* parent = nullptr);

  void setEntries(const std::vector<std::string>& entries);
  std::vector<std::string> entries() const;

 public slots:
  void updateEntry();
  void addEntry();

 private:
  QListWidget* list_ = nullptr;
  QLineEdit* currentSetting_ = nullptr;
  QLineEdit* newSetting_ = nullptr;
};

}  // namespace markloom
