/* The entry points of the two optional helper libraries that the utility
 * loads at run time from its "PrtDll" folder: libMorrant.so (language texts)
 * and libSelvanic.so (command helpers and permissions). Every entry point is
 * optional. Texts are zero-terminated UTF-16; text buffers hold
 * kHelperTextCapacity characters and arrive zeroed. */
#ifndef TOLVANE_HELPER_LIBRARY_API_H
#define TOLVANE_HELPER_LIBRARY_API_H

#include <stdint.h>
#include <uchar.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { kHelperTextCapacity = 255 };

/* libMorrant.so */
typedef void (*MorrantLangInit)(void);
typedef void (*MorrantLangUnInit)(void);
typedef void (*MorrantLangSetLanguageID)(const char16_t* languageId);
typedef void (*MorrantLangSetLanguageFN_FullName)(const char16_t* languageFilePath);
/* Writes the text of key in section of the language file into result. */
typedef void (*MorrantLangReadIni)(const char16_t* fileName, const char16_t* section, char16_t* key,
                                   char16_t* result, int32_t capacity);

/* libSelvanic.so */
typedef void (*SelvanicCmdsInit)(void);
typedef void (*SelvanicCmdsUnInit)(void);
typedef void (*SelvanicSetIsDebug)(uint8_t isDebug);
typedef void (*SelvanicSetText)(const char16_t* text); /* base debug path, log file, tool type, edition code,
                                                           printer default and base names */
typedef void (*SelvanicAction)(void);                  /* Cmds_TrySetAppToReady,
                                                           Cmds_DoAfterInitPara_SetPermission */
typedef uint8_t (*SelvanicGetAppIsReady)(void);
/* Writes the transformed name into result; returns non-zero when it did. */
typedef uint8_t (*SelvanicTransform)(const char16_t* name, char16_t* result);
/* Returns the permission value of number; info and result are for logging. */
typedef int32_t (*SelvanicGetPermissionByNo)(char16_t* number, uint8_t* info, char16_t* result);

#ifdef __cplusplus
}
#endif

#endif
