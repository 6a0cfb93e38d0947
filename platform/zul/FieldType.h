#pragma once
// Field types of datasets and of SQL literals.

enum class TFieldType {
  ftUnknown,
  ftString,
  ftSmallint,
  ftInteger,
  ftWord,
  ftBoolean,
  ftFloat,
  ftCurrency,
  ftDate,
  ftTime,
  ftDateTime,
  ftAutoInc,
  ftMemo,
  ftWideString,
  ftLargeint,
  ftBlob,
};

const char* FieldTypeName(TFieldType type);
