#pragma once
#include <QDialog>

class QLineEdit;
class QLabel;

// The door to the grown-up's settings: a sum of two numbers of two digits to
// type, easy for a parent and out of reach of a young child.
class GrownUpQuestion : public QDialog {
public:
  GrownUpQuestion(int a, int b, QWidget* parent = nullptr);

  // Two numbers from 12 to 49, from the system's random source.
  static std::pair<int, int> RandomTerms();
  // Whether `typed` is the sum, spaces around it allowed.
  bool Accepts(const QString& typed) const;
  QLineEdit* Answer() const { return answer_; }
  QLabel* Complaint() const { return complaint_; }

private:
  void Check();

  int sum_;
  QLineEdit* answer_;
  QLabel* complaint_;
};
