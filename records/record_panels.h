#pragma once

#include <QString>

namespace gp {

// The main window's two record panels, as the new-record dialog sees them.
class RecordPanels
{
public:
    virtual ~RecordPanels() = default;
    virtual void setRecordName(const QString& caption) = 0;
    virtual void setRecordScore(const QString& caption) = 0;
};

} // namespace gp
