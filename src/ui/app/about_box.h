#pragma once
#include <QDialog>

namespace markloom {

// The About box, "About Tarnwell Markloom 5.0": version, maker and a link to
// the maker's home page.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);
  void openMakerHomePage();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* homePageLink_ = nullptr;
};

}  // namespace markloom
