// The line that runs a tab's tool: the bold perform button and, on the two tabs with a title or
// header, the Clear button that empties the text boxes.
#ifndef PAGEWRIGHT_PERFORMROW_H
#define PAGEWRIGHT_PERFORMROW_H

#include <QWidget>

class QPushButton;

namespace pagewright
{

class PerformRow : public QWidget
{
    Q_OBJECT
public:
    // Object names "cmdPerformOperation_<slot>" and, when clearIndex >= 0, "Clear_<clearIndex>".
    PerformRow(QWidget* parent, int slot, const QString& caption, const QString& tooltip, int clearIndex);

    QPushButton* performButton() const { return m_perform; }
    QPushButton* clearButton() const { return m_clear; } // nullptr without it

signals:
    void performClicked();
    void clearClicked();

private:
    QPushButton* m_perform;
    QPushButton* m_clear = nullptr;
};

} // namespace pagewright

#endif
