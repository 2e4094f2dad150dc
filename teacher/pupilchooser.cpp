// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/pupilchooser.h"

#include "teacher/pupildialog.h"
#include "teacher/pupilmatcher.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

PupilChooser::PupilChooser(QList<PupilRecord> pupils, QString suggestedName, QString suggestedClass,
                           QWidget *parent)
    : QDialog(parent), pupils_(std::move(pupils)), suggestedName_(std::move(suggestedName)),
      suggestedClass_(std::move(suggestedClass)), search_(new QLineEdit(this)),
      list_(new QListWidget(this)), assign_(new QPushButton(tr("&Přiřadit"), this))
{
    setObjectName(QStringLiteral("pupilChooser"));
    setWindowTitle(tr("Přiřadit žákovi"));
    search_->setObjectName(QStringLiteral("pupilSearch"));
    search_->setAccessibleName(tr("Hledat žáka"));
    search_->setClearButtonEnabled(true);
    list_->setObjectName(QStringLiteral("pupilList"));
    list_->setAccessibleName(tr("Žáci v seznamu"));
    assign_->setObjectName(QStringLiteral("assign"));
    assign_->setDefault(true);

    auto *nobody = new QPushButton(tr("&Nikomu"), this);
    nobody->setObjectName(QStringLiteral("nobody"));
    nobody->setToolTip(tr("Zprávy zůstanou nepřiřazené a automatické přiřazení je nezmění"));
    auto *add = new QPushButton(tr("Přidat nového žá&ka…"), this);
    add->setObjectName(QStringLiteral("addPupil"));
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(assign_, QDialogButtonBox::AcceptRole);
    buttons->addButton(nobody, QDialogButtonBox::ActionRole);
    buttons->addButton(add, QDialogButtonBox::ActionRole);
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setText(tr("&Zrušit"));
    connect(assign_, &QPushButton::clicked, this, &PupilChooser::choosePupil);
    connect(list_, &QListWidget::itemActivated, this, &PupilChooser::choosePupil);
    connect(nobody, &QPushButton::clicked, this, [this] {
        choice_ = Choice::Nobody;
        accept();
    });
    connect(add, &QPushButton::clicked, this, &PupilChooser::addPupil);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(search_, &QLineEdit::textChanged, this, &PupilChooser::filter);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { assign_->setEnabled(row >= 0); });
    // Up and Down in the search move through the list, as in a combo box.
    search_->installEventFilter(this);

    auto *searchLabel = new QLabel(tr("&Hledat:"), this);
    searchLabel->setBuddy(search_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(searchLabel);
    layout->addWidget(search_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    resize(32 * em, 26 * fontMetrics().height());

    // The report's surname is the likeliest word to find the pupil by.
    const QStringList words = nameWords(suggestedName_);
    search_->setText(words.isEmpty() ? QString() : words.first());
    filter();
    if (list_->count() == 0) {
        search_->clear();
    }
    search_->selectAll();
}

void PupilChooser::filter()
{
    const QStringList wanted = nameWords(search_->text());
    const QString wantedClass = normalizedClassName(suggestedClass_);
    list_->clear();
    int best = -1;
    for (qsizetype i = 0; i < pupils_.size(); ++i) {
        const PupilRecord &pupil = pupils_.at(i);
        const QStringList words = nameWords(pupil.surname + u' ' + pupil.className);
        const bool fits = std::all_of(wanted.begin(), wanted.end(), [&](const QString &part) {
            return std::any_of(words.begin(), words.end(),
                               [&](const QString &word) { return word.startsWith(part); });
        });
        if (!fits) {
            continue;
        }
        auto *item = new QListWidgetItem(tr("%1 (%2)").arg(pupil.surname, pupil.className), list_);
        item->setData(Qt::UserRole, static_cast<int>(i));
        if (best < 0 && normalizedClassName(pupil.className) == wantedClass) {
            best = list_->count() - 1;
        }
    }
    list_->setCurrentRow(list_->count() == 0 ? -1 : qMax(0, best));
    assign_->setEnabled(list_->currentRow() >= 0);
}

void PupilChooser::choosePupil()
{
    const QListWidgetItem *item = list_->currentItem();
    if (item == nullptr) {
        return;
    }
    const PupilRecord &pupil = pupils_.at(item->data(Qt::UserRole).toInt());
    choice_ = Choice::Pupil;
    surname_ = pupil.surname;
    className_ = pupil.className;
    accept();
}

void PupilChooser::addPupil()
{
    PupilDialog dialog(tr("Přidat žáka a přiřadit mu zprávy"), suggestedName_.trimmed(),
                       suggestedClass_.trimmed(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    choice_ = Choice::NewPupil;
    surname_ = dialog.surname();
    className_ = dialog.className();
    accept();
}

bool PupilChooser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up ||
            key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) {
            QCoreApplication::sendEvent(list_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
