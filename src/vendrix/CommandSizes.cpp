#include "vendrix/CommandSizes.h"

namespace vendrix {

int RequestLength(int code, int dataLength)
{
    switch (code) {
    case 1:   // signature
    case 3:   // correction coefficient
    case 4:   // table: first code column
    case 5:   // table: temperature column
    case 10:  // graph mode
    case 13:  // work mode
    case 15:  // housing and thermostat temperatures
    case 21:  // table: second code column
        return 0;
    case 71:  // set graph mode
    case 73:  // run state
        return 1;
    case 67:  // set correction coefficient
        return 3;
    case 70:  // set clock
        return 7;
    case 81:  // set work mode
        return 9;
    default:
        return dataLength;
    }
}

bool AnswerLengthValid(int code, int length)
{
    switch (code) {
    case 1: return length == 20;
    case 3: return length == 3;
    case 4:
    case 5:
    case 21: return length % 3 == 0 && length <= 120;
    case 10: return length == 1;
    case 13: return length == 9;
    case 15: return length == 4;
    case 67:
    case 68:
    case 69:
    case 70:
    case 71:
    case 73:
    case 81:
    case 89: return length == 0;
    default: return true;
    }
}

}  // namespace vendrix
