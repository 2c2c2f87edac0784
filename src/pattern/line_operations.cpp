#include "pattern/line_operations.h"

namespace ondulix {

int moveTarget(int line, LineMove move)
{
    const int target = move == LineMove::Up ? line + 1 : line - 1;
    return isPatternLine(line) && isPatternLine(target) ? target : 0;
}

LineWrites moveLine(const PatternTable& table, const EditedLine& current, int line, LineMove move)
{
    const int target = moveTarget(line, move);
    if (target == 0)
        return {};
    return {
        {target, waveAsEdited(table, current, line)}, {line, waveAsEdited(table, current, target)}};
}

LineWrites clearLine(int line)
{
    if (!isPatternLine(line))
        return {};
    return {{line, Wave {}}};
}

} // namespace ondulix
