#pragma once

// Data types of editor parameters.
enum TalEnDataType
{
    dtString = 0,
    dtInteger = 1,
    dtDouble = 2,
    dtBoolean = 3,
};
