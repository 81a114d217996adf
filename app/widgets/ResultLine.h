// The result line of a tab: a framed label whose plain text tells how the last run went; its
// text is what a screen reader reads.
#ifndef PAGEWRIGHT_RESULTLINE_H
#define PAGEWRIGHT_RESULTLINE_H

#include <QLabel>

namespace pagewright
{

class ResultLine : public QLabel
{
    Q_OBJECT
public:
    ResultLine(QWidget* parent, const QString& name);
};

} // namespace pagewright

#endif
