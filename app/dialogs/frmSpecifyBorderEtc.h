// The table-properties dialog: a table's width (in percent or pixels), border, cell padding and
// cell spacing, each of which may be left empty for the browser's default. The caller fills the
// boxes, shows the dialog modally and, when Accepted, reads the properties back.
#ifndef PAGEWRIGHT_FRMSPECIFYBORDERETC_H
#define PAGEWRIGHT_FRMSPECIFYBORDERETC_H

#include "rules/TableProperties.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pagewright
{

class Platform;

class frmSpecifyBorderEtc : public QDialog
{
    Q_OBJECT
public:
    explicit frmSpecifyBorderEtc(Platform& platform, QWidget* parent = nullptr);

    bool Accepted = false;

    QLabel *lblTableWidth, *lblBorder, *lblCellPadding, *lblCellSpacing, *lblLeaveEmpty;
    QLineEdit *txbWidth, *txbBorder, *txbCellPadding, *txbCellSpacing;
    QGroupBox* Frame1; // the unit of the width
    QRadioButton *optPercent, *optPixels;
    QPushButton *cmdAccept, *cmdCancel;

    // The boxes and the unit choice.
    void SetTexts(const TablePropertyTexts& texts);
    TablePropertyTexts Texts() const;

    void cmdAccept_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Platform& m_platform;
};

} // namespace pagewright

#endif
