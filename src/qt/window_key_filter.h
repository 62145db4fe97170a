// The window's key filter: it sees every key for the window and its
// children before they are delivered, hands it to the logic's filter, sends
// characters typed into the list or the article on to the word box and asks
// for help on F1.
#pragma once

#include <QObject>
#include <QWidget>

#include "ui/main_dialog.h"

namespace orva {

class WindowKeyFilter : public QObject {
 public:
  // `window`: whose keys are filtered; `list` and `wordBox`: the widgets
  // between which typed characters move.
  WindowKeyFilter(QWidget* window, MainDialog& dialog, QWidget* list, QWidget* wordBox);
  // The article viewer, which passes typed characters on like the list;
  // null while there is none.
  void setArticle(QWidget* article) { article_ = article; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool ownsWidget(QObject* object) const;

  QWidget* window_;
  MainDialog& dialog_;
  QWidget* list_;
  QWidget* wordBox_;
  QWidget* article_ = nullptr;
};

}  // namespace orva
