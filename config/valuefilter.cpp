#include "valuefilter.h"

namespace weather {

bool compareValue(qint16 value, Comparison comparison, qint16 number) {
    switch (comparison) {
    case Comparison::Equal:
        return value == number;
    case Comparison::NotEqual:
        return value != number;
    case Comparison::Less:
        return value < number;
    case Comparison::LessOrEqual:
        return value <= number;
    case Comparison::Greater:
        return value > number;
    case Comparison::GreaterOrEqual:
        return value >= number;
    }
    return false;
}

} // namespace weather
