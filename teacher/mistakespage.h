// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/mistakesdatabase.h"
#include "teacher/resultpage.h"

class MistakeTableModel;
class QChartView;
class QLabel;
class QTableView;

// "Chyby": what the answers of the school runs in the filter got wrong: success per asked
// quantity and per prefix step, the wrong answers of each kind of mistake, the median times,
// the pupils in whom one kind dominates, and the kinds per week as a chart and a table. With
// one pupil chosen, the same for that pupil.
class MistakesPage : public ResultPage
{
    Q_OBJECT

public:
    explicit MistakesPage(QWidget *parent = nullptr);

    [[nodiscard]] MistakeTableModel *quantityModel() const { return quantityModel_; }
    [[nodiscard]] MistakeTableModel *stepModel() const { return stepModel_; }
    [[nodiscard]] MistakeTableModel *kindModel() const { return kindModel_; }
    [[nodiscard]] MistakeTableModel *pupilModel() const { return pupilModel_; }
    [[nodiscard]] MistakeTableModel *weekModel() const { return weekModel_; }
    [[nodiscard]] QLabel *summaryLabel() const { return summary_; }
    [[nodiscard]] QLabel *dominantLabel() const { return dominant_; }
    [[nodiscard]] QChartView *chartView() const { return chartView_; }

    // The per-pupil table, as --export-mistakes writes it.
    QString exportCsv(const QString &path) override;
    [[nodiscard]] QString exportFileName() const override;
    [[nodiscard]] bool canPrint() const override { return true; }
    void print(QPrinter &printer) override;

protected:
    void refresh() override;

private:
    QTableView *addTable(MistakeTableModel *model, const QString &name, const QString &title);
    [[nodiscard]] QString summaryText() const;
    [[nodiscard]] QString dominantText() const;

    MistakeTableModel *quantityModel_;
    MistakeTableModel *stepModel_;
    MistakeTableModel *kindModel_;
    MistakeTableModel *pupilModel_;
    MistakeTableModel *weekModel_;
    QLabel *summary_;
    QLabel *dominant_;
    QChartView *chartView_;
    QList<QTableView *> tables_;
    MistakeFigures figures_;
    QList<MistakeWeek> weeks_;
    QList<PupilMistakes> pupils_;
    bool answersKept_ = true; // false for a filter of e-mailed reports only
};
