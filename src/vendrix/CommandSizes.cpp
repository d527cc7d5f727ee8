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

}  // namespace vendrix
