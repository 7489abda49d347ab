#include "GrownUpQuestion.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

GrownUpQuestion::GrownUpQuestion(int a, int b, QWidget* parent) : QDialog(parent), sum_(a + b) {
  setWindowTitle(QStringLiteral("Question pour un adulte"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Les réglages sont pour les adultes."), this));
  auto* question = new QLabel(QStringLiteral("Combien font %1 + %2 ?").arg(a).arg(b), this);
  QFont big = question->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  question->setFont(big);
  layout->addWidget(question);
  answer_ = new QLineEdit(this);
  answer_->setAccessibleName(QStringLiteral("Réponse"));
  layout->addWidget(answer_);
  complaint_ = new QLabel(this);
  complaint_->setStyleSheet(QStringLiteral("color: #a00000"));
  layout->addWidget(complaint_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Valider"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, this, [this] { Check(); });
  QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  answer_->setFocus();
}

std::pair<int, int> GrownUpQuestion::RandomTerms() {
  auto* random = QRandomGenerator::system();
  return {random->bounded(12, 50), random->bounded(12, 50)};
}

bool GrownUpQuestion::Accepts(const QString& typed) const {
  bool ok = false;
  const int value = typed.trimmed().toInt(&ok);
  return ok && value == sum_;
}

void GrownUpQuestion::Check() {
  if (Accepts(answer_->text())) {
    accept();
    return;
  }
  complaint_->setText(QStringLiteral("Ce n'est pas la bonne réponse."));
  answer_->selectAll();
  answer_->setFocus();
}
