#pragma once
// What the movie dialogs (QuickTime, RealVideo) share: a window that stays on
// top, opening with the movie (and its Browse button), height and width rows;
// Browse puts "file://" and the chosen path into Movie.
#include <QDialog>
#include <QSize>
#include <initializer_list>
#include <utility>

class QFormLayout;
class QLineEdit;
class QVBoxLayout;

namespace markloom {

class MovieDialog : public QDialog {
  Q_OBJECT
 protected:
  using Chooser = QString (*)();
  // Sets the window up and creates the movie, height and width fields.
  MovieDialog(QWidget* parent, const char* objectName, const QString& title, QSize size, Chooser chooser);
  // Lays out the movie, height and width rows and then moreRows. The Browse
  // button is made here, after the dialog's own fields, as the tab order goes.
  void addMovieRows(std::initializer_list<std::pair<const char*, QWidget*>> moreRows = {});

  QVBoxLayout* layout_;
  QLineEdit* movieEdit_;
  QLineEdit* heightEdit_;
  QLineEdit* widthEdit_;

 private:
  void browse();

  QFormLayout* form_;
  Chooser chooser_;
};

}  // namespace markloom
