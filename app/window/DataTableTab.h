// The "Data to Table" tab: a delimited data file becomes a table with the tab's separator,
// padding, centring, wrapper, colours and table properties.
#ifndef PAGEWRIGHT_DATATABLETAB_H
#define PAGEWRIGHT_DATATABLETAB_H

#include "window/ToolTab.h"

class QCheckBox;
class QComboBox;

namespace pagewright
{

class ColorSample;

class DataTableTab : public ToolTab
{
    Q_OBJECT
public:
    explicit DataTableTab(TabServices& services);
    void reset() override;

protected:
    void run() override;
    void colorsSwitched(bool on) override;
    void colorsChosen() override;
    // A chosen ".csv" or ".tsv" file is data: quoted fields, plain text.
    void inputFileChosen(const QString& name) override;

private:
    void showColorSample();
    // The separator box's character for a data file read as UTF-8 (else Windows-1252).
    SeparatorChoice chosenSeparator(bool utf8Data) const;
    // Ticks the boxes the input's name calls for (TicksForDataFile), once for each name committed:
    // chosen, typed and left, or run. A box the user cleared afterwards stays cleared.
    void inputNameCommitted();

    QComboBox* m_separator;
    QComboBox* m_padding;
    QCheckBox* m_wrapper;
    QCheckBox* m_centerText;
    QCheckBox* m_centerTable;
    QCheckBox* m_quotedFields;
    QCheckBox* m_escape;
    ColorSample* m_sample;
    QString m_ticksFor; // the input name the boxes were last ticked for
};

} // namespace pagewright

#endif
