#pragma once

#include <QObject>

namespace ondulix {

// The chip depth the wave is heard, seen and drawn at, for this session only: 0 bits is Exact.
// The graph's menu chooses it; the preview, the harmonics window and the pointer follow it.
class PlayedDepth : public QObject
{
    Q_OBJECT

public:
    int bits() const { return m_bits; }
    void setBits(int bits)
    {
        if (bits == m_bits)
            return;
        m_bits = bits;
        emit changed();
    }

signals:
    void changed();

private:
    int m_bits = 0;
};

} // namespace ondulix
