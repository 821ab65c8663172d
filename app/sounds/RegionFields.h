#pragma once

#include <QWidget>

class QDoubleSpinBox;

// The window's start and end over a source as fields of seconds, for a musician who knows the
// numbers, or reads them off another program. A value typed (and left, or entered) is reported
// once; a value shown is not.
class RegionFields : public QWidget {
    Q_OBJECT
public:
    explicit RegionFields(QWidget* parent = nullptr);

    // Shows a window from start to end; a start may reach lastStart, an end the later of it and
    // longest, all in seconds of the source.
    void showWindow(double start, double end, double lastStart, double longest);

signals:
    void startTyped(double seconds);
    void endTyped(double seconds);

private:
    QDoubleSpinBox* m_start;
    QDoubleSpinBox* m_end;
};
