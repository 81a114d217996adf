// The Table Creator's cell editor: span, content, alignment, width and height, font and the
// cell's own colours of one cell of the Table Creator. The main window fills it from the model
// (Fill), shows it modally and, when blnAccepted, stores intRowSpan, intColSpan and CellValues()
// into the cell. The dialog checks the entries on Accept and never writes the model itself.
#ifndef PAGEWRIGHT_FRMCELLINFO_H
#define PAGEWRIGHT_FRMCELLINFO_H

#include "tablecreator/TableModel.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pagewright
{

class Platform;
class frmSpecifyColors;

class frmCellInfo : public QDialog
{
    Q_OBJECT
public:
    // colorDialog gives the program's colour dialog, used by "Specify cell colors".
    frmCellInfo(Platform& platform, std::function<frmSpecifyColors*()> colorDialog,
                QWidget* parent = nullptr);

    bool blnAccepted = false;
    int intRowSpan = 1;
    int intColSpan = 1;
    // The cell's own colours while it is edited (UnsetColor: none) and the table's colours,
    // which the content box shows for a cell without colours of its own.
    CellColors ThisCellColors;
    CellColors TableColors{0, 0xFFFFFF};
    // The table's colours are written into the page ("table default", else "page default").
    bool TableColorsUsed = false;

    // Fills the dialog for the cell at (row, col) of model, which must be the cell that owns
    // its area; Accept checks the proposed area against model.
    void Fill(const TableModel& model, int row, int col, CellColors tableColors, bool tableColorsUsed);
    // The cell's fields as accepted (everything but the area): content, alignment, width,
    // height, font and colours.
    TableCell CellValues() const;

    QLabel* lblCellAt;
    QLabel *lblRowSpan, *lblColSpan;
    QComboBox *cboRowSpan, *cboColSpan;
    QLabel *lblCellContent, *lblCellContentMay;
    QLineEdit* txbCellContent;
    QLabel *lblAlign, *lblVAlign;
    QComboBox *cboAlign, *cboVAlign;
    QLabel *lblWidth, *lblHeight, *lblEmptyBox;
    QLineEdit *txbWidth, *txbHeight;
    QGroupBox *fraWidthUnits, *fraHeightUnits;
    QRadioButton *optPercent, *optPixels, *optPerCentHeight, *optPixelHeight;
    QLabel *lblFont, *lblFace, *lblSize;
    QLineEdit *txbFontFace, *txbFontSize;
    QCheckBox* chkUseSpecifiedCellColors;
    QPushButton* cmdSpecifyCellColors;
    QLabel *lblCellTextColor, *lblCellTextHex, *lblCellBackgroundColor, *lblCellBackgroundHex;
    QLabel* Label1;
    QPushButton *cmdResetCell, *cmdAccept, *cmdCancel;

    void chkUseSpecifiedCellColors_Click();
    void cmdSpecifyCellColors_Click();
    void cmdResetCell_Click();
    void cmdAccept_Click();

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();
    // The first inadmissible entry's message, or nothing.
    std::optional<QString> Problem();
    // The hex labels and the content box in the cell's colours, or in the table's.
    void ShowColors(bool ownColors);
    void ShowDefaultColors();
    void FocusCancel();

    Platform& m_platform;
    std::function<frmSpecifyColors*()> m_colorDialog;
    const TableModel* m_model = nullptr;
    int m_row = 1;
    int m_col = 1;
};

} // namespace pagewright

#endif
