// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher/classlistimportdialog.h"

#include "database/teacherdatabase.h"
#include "teacher/backgroundwork.h"
#include "teacher/classlistpreviewmodel.h"
#include "teacher/czechtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSet>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
ClassListSource textSource(QByteArray data)
{
    ClassListSource source;
    source.text = std::move(data);
    return source;
}
} // namespace

ClassListImportDialog::ClassListImportDialog(QByteArray data, const QString &fileName,
                                             const TeacherDatabase &database, QWidget *parent)
    : ClassListImportDialog(textSource(std::move(data)), fileName, database, parent)
{
}

ClassListImportDialog::ClassListImportDialog(ClassListSource source, const QString &fileName,
                                             const TeacherDatabase &database, QWidget *parent)
    : QDialog(parent), source_(std::move(source)), database_(database),
      encoding_(new QComboBox(this)), separator_(new QComboBox(this)),
      header_(new QCheckBox(tr("&První řádek je záhlaví (názvy sloupců)"), this)),
      joinFirstNames_(new QCheckBox(
          tr("K příjmení připojit &jméno („Novák Petr“), aby se jmenovci rozlišili"), this)),
      summary_(new QLabel(this)), preview_(new ClassListPreviewModel(this)),
      issues_(new QStringListModel(this)), import_(nullptr)
{
    setObjectName(QStringLiteral("classListImport"));
    setWindowTitle(tr("Import žáků z %1").arg(fileName));

    encoding_->setObjectName(QStringLiteral("encoding"));
    encoding_->setAccessibleName(tr("Kódování"));
    encoding_->addItem(tr("UTF-8"), static_cast<int>(ClassListOptions::Encoding::Utf8));
    encoding_->addItem(tr("Windows-1250"),
                       static_cast<int>(ClassListOptions::Encoding::Windows1250));
    separator_->setObjectName(QStringLiteral("separator"));
    separator_->setAccessibleName(tr("Oddělovač"));
    separator_->addItem(tr("středník ;"), QChar(u';'));
    separator_->addItem(tr("čárka ,"), QChar(u','));
    separator_->addItem(tr("tabulátor"), QChar(u'\t'));
    header_->setObjectName(QStringLiteral("header"));
    header_->setAccessibleName(tr("První řádek je záhlaví"));
    joinFirstNames_->setObjectName(QStringLiteral("joinFirstNames"));
    joinFirstNames_->setAccessibleName(tr("K příjmení připojit jméno"));

    // On by default only when the file has namesakes: otherwise the list stays as the
    // surnames already stored are.
    // The guess reads the whole list (namesakes anywhere in it): off the window's thread.
    ClassListOptions guess;
    cancelled_ = !runWithProgress(parent, tr("Náhled seznamu třídy"), tr("Čtu seznam třídy…"),
                                  [&](WorkProgress &) { guess = guessClassListOptions(source_); });
    encoding_->setCurrentIndex(encoding_->findData(static_cast<int>(guess.encoding)));
    separator_->setCurrentIndex(qMax(0, separator_->findData(guess.separator)));
    header_->setChecked(guess.hasHeader);
    joinFirstNames_->setChecked(guess.joinFirstNames);

    auto *previewView = new QTableView(this);
    previewView->setObjectName(QStringLiteral("preview"));
    previewView->setAccessibleName(tr("Žáci, kteří budou přidáni"));
    previewView->setModel(preview_);
    previewView->verticalHeader()->setVisible(false);
    previewView->horizontalHeader()->setStretchLastSection(true);
    previewView->setColumnWidth(0, fontMetrics().horizontalAdvance(tr("Řádek")) + 24);
    previewView->setColumnWidth(1, fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16);
    previewView->setSelectionBehavior(QAbstractItemView::SelectRows);
    previewView->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    auto *issuesView = new QListView(this);
    issuesView->setObjectName(QStringLiteral("issues"));
    issuesView->setAccessibleName(tr("Řádky, které nebudou importovány"));
    issuesView->setModel(issues_);
    issuesView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A reason may be a sentence: read whole, not scrolled to.
    issuesView->setWordWrap(true);
    issuesView->setResizeMode(QListView::Adjust);
    issuesView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *buttons = new QDialogButtonBox(this);
    import_ = buttons->addButton(tr("&Importovat"), QDialogButtonBox::AcceptRole);
    import_->setObjectName(QStringLiteral("import"));
    import_->setDefault(true);
    QPushButton *cancel = buttons->addButton(tr("&Zrušit"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form_ = form;
    auto *encodingLabel = new QLabel(tr("&Kódování:"), this);
    encodingLabel->setBuddy(encoding_);
    auto *separatorLabel = new QLabel(tr("&Oddělovač:"), this);
    separatorLabel->setBuddy(separator_);
    form->addRow(encodingLabel, encoding_);
    form->addRow(separatorLabel, separator_);
    if (source_.isSpreadsheet()) {
        // A workbook's cells are already texts.
        form->setRowVisible(encoding_, false);
        form->setRowVisible(separator_, false);
        auto *sheet = new QLabel(tr("Sešit %1: první list.").arg(source_.spreadsheetFormat), this);
        sheet->setObjectName(QStringLiteral("sheet"));
        form->insertRow(0, sheet);
    }
    form->addRow(header_);
    form->addRow(joinFirstNames_);
    auto *previewLabel = new QLabel(tr("Ná&hled:"), this);
    previewLabel->setBuddy(previewView);
    auto *issuesLabel = new QLabel(tr("Řádky, které se &neimportují:"), this);
    issuesLabel->setBuddy(issuesView);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(summary_);
    layout->addWidget(previewLabel);
    layout->addWidget(previewView, 3);
    layout->addWidget(issuesLabel);
    layout->addWidget(issuesView, 1);
    layout->addWidget(buttons);
    resize(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 45, fontMetrics().height() * 34);

    connect(encoding_, &QComboBox::currentIndexChanged, this, &ClassListImportDialog::reparse);
    connect(separator_, &QComboBox::currentIndexChanged, this, &ClassListImportDialog::reparse);
    connect(header_, &QCheckBox::toggled, this, &ClassListImportDialog::reparse);
    connect(joinFirstNames_, &QCheckBox::toggled, this, &ClassListImportDialog::reparse);
    if (cancelled_) {
        import_->setEnabled(false);
    } else {
        reparse();
    }
}

ClassListOptions ClassListImportDialog::options() const
{
    ClassListOptions options;
    options.encoding = static_cast<ClassListOptions::Encoding>(encoding_->currentData().toInt());
    options.separator = separator_->currentData().value<QChar>();
    options.hasHeader = header_->isChecked();
    options.joinFirstNames = joinFirstNames_->isChecked();
    return options;
}

void ClassListImportDialog::reparse()
{
    // A list of a million lines takes seconds to read and check against the pupils stored:
    // off the window's thread, on a connection of the worker's own. Cancelled, the preview is
    // empty and nothing can be imported.
    ClassList list;
    QList<ClassListIssue> issues;
    QStringList texts;
    const ClassListOptions chosen = options();
    const DatabaseLocation location = database_.location();
    cancelled_ = !runWithProgress(
        isVisible() ? this : parentWidget(), tr("Náhled seznamu třídy"), tr("Čtu seznam třídy…"),
        [&](WorkProgress &work) {
            list = parseClassList(source_, chosen);
            issues = list.issues;
            if (work.isCancelled()) {
                return;
            }
            try {
                const QList<ClassListIssue> stored =
                    TeacherDatabase::open(location)->pupilsAlreadyStored(list.rows);
                QSet<int> storedLines;
                for (const ClassListIssue &issue : stored) {
                    storedLines.insert(issue.line);
                }
                list.rows.removeIf(
                    [&](const ClassListRow &row) { return storedLines.contains(row.line); });
                issues += stored;
            } catch (const DatabaseError &error) {
                issues.append({0, QString::fromStdString(error.what())});
            }
            std::stable_sort(issues.begin(), issues.end(),
                             [](const auto &a, const auto &b) { return a.line < b.line; });
            texts.reserve(issues.size());
            for (const ClassListIssue &issue : issues) {
                texts.append(issue.line > 0 ? tr("Řádek %1: %2").arg(issue.line).arg(issue.reason)
                                            : issue.reason);
            }
        });
    if (cancelled_) {
        list = {};
        issues.clear();
        texts.clear();
    }
    form_->setRowVisible(joinFirstNames_, list.hasFirstNames);
    issues_->setStringList(texts);
    const auto count = static_cast<int>(list.rows.size());
    preview_->setRows(std::move(list.rows));
    summary_->setText(czechCount(count, tr("Bude přidán %1 žák."), tr("Budou přidáni %1 žáci."),
                                 tr("Bude přidáno %1 žáků.")) +
                      u' ' +
                      czechCount(static_cast<int>(issues.size()), tr("%1 řádek se neimportuje."),
                                 tr("%1 řádky se neimportují."), tr("%1 řádků se neimportuje.")));
    import_->setEnabled(count > 0);
}

QList<ClassListRow> ClassListImportDialog::rowsToImport() const
{
    return preview_->rows();
}

QStringList ClassListImportDialog::issueTexts() const
{
    return issues_->stringList();
}
