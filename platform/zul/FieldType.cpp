#include "platform/zul/FieldType.h"

const char* FieldTypeName(TFieldType type) {
  switch (type) {
    case TFieldType::ftUnknown:
      return "ftUnknown";
    case TFieldType::ftString:
      return "ftString";
    case TFieldType::ftSmallint:
      return "ftSmallint";
    case TFieldType::ftInteger:
      return "ftInteger";
    case TFieldType::ftWord:
      return "ftWord";
    case TFieldType::ftBoolean:
      return "ftBoolean";
    case TFieldType::ftFloat:
      return "ftFloat";
    case TFieldType::ftCurrency:
      return "ftCurrency";
    case TFieldType::ftDate:
      return "ftDate";
    case TFieldType::ftTime:
      return "ftTime";
    case TFieldType::ftDateTime:
      return "ftDateTime";
    case TFieldType::ftAutoInc:
      return "ftAutoInc";
    case TFieldType::ftMemo:
      return "ftMemo";
    case TFieldType::ftWideString:
      return "ftWideString";
    case TFieldType::ftLargeint:
      return "ftLargeint";
    case TFieldType::ftBlob:
      return "ftBlob";
  }
  return "ftUnknown";
}
