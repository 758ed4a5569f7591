#pragma once

/// Data types of editor parameters (IVectorDrawingEditorService::queryParamDataType).
enum TalEnDataType
{
    dtString = 0,  ///< text
    dtInteger = 1, ///< whole number
    dtDouble = 2,  ///< real number
    dtBoolean = 3, ///< yes or no
};
