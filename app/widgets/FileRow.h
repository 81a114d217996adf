// One file row of a tab: the button that chooses a file, the box holding its name and the button
// that shows the file. The three controls sit in columns 0, 1 and 2 of one row of the tab's grid,
// so that the rows of a tab line up; the row itself is no widget.
#ifndef PAGEWRIGHT_FILEROW_H
#define PAGEWRIGHT_FILEROW_H

#include <QObject>
#include <QString>

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace pagewright
{

class FileRow : public QObject
{
    Q_OBJECT
public:
    // The input, output, custom header and custom footer file rows at a control index; they
    // are added to the grid's row and belong to the grid's widget.
    static FileRow* Input(QGridLayout* grid, int row, int index);
    static FileRow* Output(QGridLayout* grid, int row, int index, const QString& chooseTip = {});
    static FileRow* Header(QGridLayout* grid, int row, int index);
    static FileRow* Footer(QGridLayout* grid, int row, int index);

    QPushButton* chooseButton() const { return m_choose; }
    QLineEdit* box() const { return m_box; }
    QPushButton* viewButton() const { return m_view; }

signals:
    void chooseClicked();
    void viewClicked();
    void edited();       // the box's text changed, typed or set
    void enterPressed(); // Enter in the box

private:
    // Object names are "<name>_<index>"; boxName is what a screen reader calls the box.
    struct Names {
        const char* choose;
        QString chooseCaption;
        QString chooseTip;
        const char* box;
        QString boxName;
        const char* view;
        QString viewCaption;
    };
    FileRow(QGridLayout* grid, int row, int index, const Names& names);
    // The custom header or footer row; part is "header" or "footer", where "start" or "end".
    static FileRow* SideFile(QGridLayout* grid, int row, int index, const char* part, const char* where,
                             const char* choose, const char* box, const char* view);

    QPushButton* m_choose;
    QLineEdit* m_box;
    QPushButton* m_view;
};

} // namespace pagewright

#endif
