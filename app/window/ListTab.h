// The "Data to List" tab: the items of a data file, or a blank list of a given length, become an
// ordered or unordered list.
#ifndef PAGEWRIGHT_LISTTAB_H
#define PAGEWRIGHT_LISTTAB_H

#include "window/ToolTab.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace pagewright
{

class ListTab : public ToolTab
{
    Q_OBJECT
public:
    explicit ListTab(TabServices& services);
    void reset() override;
    void shown() override;

protected:
    void run() override;
    ListSource listSource() const override;
    void addButtonInputs(ButtonInputs& in) const override;

private:
    // The list type's controls follow the ordered/unordered choice.
    void updateListTypeControls();
    // The controls follow the choice of where the items come from.
    void updateSourceControls();
    void numberOfItemsEntered();

    QRadioButton* m_ordered;
    QRadioButton* m_unordered;
    QComboBox* m_numbering;
    QComboBox* m_bullets;
    QRadioButton* m_readItems;
    QRadioButton* m_blankList;
    QRadioButton* m_numberedBlankList;
    QLabel* m_numberOfItemsLabel;
    QLineEdit* m_numberOfItems;
    QLabel* m_startNumberLabel;
    QLineEdit* m_startNumber;
    QLabel* m_separatorLabel;
    QComboBox* m_separator;
    QCheckBox* m_wrapper;
    QCheckBox* m_center;
    QCheckBox* m_escape;
};

} // namespace pagewright

#endif
