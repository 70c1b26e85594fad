/*
 * cobrix_label: prints one CPCL label with a line of text and a barcode
 * through the Cobrix SDK.
 *
 *   cobrix_label ADDRESS [MODEL]
 *
 * ADDRESS is a port address such as "NET,192.168.1.150,9100", "USB",
 * "/dev/ttyUSB0,BAUDRATE_9600" or "/dev/usb/lp0"; MODEL is a CPCL model of
 * the SDK's catalogue (default "Corla"). Errors are reported with the SDK's
 * own texts (FormatError); the exit status is 0 when the label was sent.
 */
#include <cobrix.h>

#include <limits.h>
#include <locale.h>
#include <stdio.h>
#include <string.h>
#include <uchar.h>
#include <wchar.h>

enum { kTextUnits = 256 };

/* Converts a text of the user's locale into UTF-16. Returns 0, or -1 when it
 * does not fit or is not valid in the locale. */
static int to_utf16(const char* text, char16_t* out, size_t capacity) {
    mbstate_t state;
    size_t used = 0;
    const char* end = text + strlen(text) + 1; /* the terminator is converted too */
    memset(&state, 0, sizeof state);
    while (used < capacity) {
        const size_t result = mbrtoc16(&out[used], text, (size_t)(end - text), &state);
        if (result == (size_t)-1 || result == (size_t)-2) {
            return -1;
        }
        if (result == 0) {
            return 0; /* the terminator */
        }
        if (result != (size_t)-3) {
            text += result;
        }
        ++used;
    }
    return -1;
}

/* Prints "what: " and the SDK's text for code on standard error. */
static void report(const char* what, int code) {
    char16_t message[kTextUnits];
    char bytes[MB_LEN_MAX];
    mbstate_t state;
    memset(&state, 0, sizeof state);
    fprintf(stderr, "cobrix_label: %s failed (%d): ", what, code);
    if (FormatError(code, 0, message, 0, (int)sizeof message) != 0) {
        fputs("no text for this code\n", stderr);
        return;
    }
    for (size_t i = 0; i < kTextUnits && message[i] != 0; ++i) {
        const size_t length = c16rtomb(bytes, message[i], &state);
        if (length != (size_t)-1) {
            fwrite(bytes, 1, length, stderr);
        }
    }
    fputc('\n', stderr);
}

int main(int argc, char** argv) {
    char16_t address[kTextUnits];
    char16_t model[32];
    PrinterHandle printer = NULL;
    int result;

    setlocale(LC_ALL, "");
    if (argc < 2 || argc > 3) {
        fputs("usage: cobrix_label ADDRESS [MODEL]\n", stderr);
        return 2;
    }
    if (to_utf16(argv[1], address, kTextUnits) != 0 ||
        to_utf16(argc == 3 ? argv[2] : "Corla", model, sizeof model / sizeof model[0]) != 0) {
        fputs("cobrix_label: the address or the model is too long or not valid text\n", stderr);
        return 2;
    }

    result = PrinterCreator(&printer, model);
    if (result != 0) {
        report("PrinterCreator", result);
        return 1;
    }
    result = PortOpen(printer, address);
    if (result != 0) {
        report("PortOpen", result);
        PrinterDestroy(printer);
        return 1;
    }

    /* A label 400 dots high, printed once: a centred line of text and a
     * Code 128 barcode with its text underneath. */
    if ((result = CPCL_AddLabel(printer, 0, 400, 1)) != 0) {
        report("CPCL_AddLabel", result);
    } else if ((result = CPCL_SetAlign(printer, 1)) != 0) {
        report("CPCL_SetAlign", result);
    } else if ((result = CPCL_AddText(printer, 0, 4, 0, 0, 30, u"Hello from Cobrix")) != 0) {
        report("CPCL_AddText", result);
    } else if ((result = CPCL_AddBarCodeText(printer, 1, 7, 0, 5)) != 0) {
        report("CPCL_AddBarCodeText", result);
    } else if ((result = CPCL_AddBarCode(printer, 0, 0, 2, 1, 100, 0, 120, u"TOLVANE-0001")) != 0) {
        report("CPCL_AddBarCode", result);
    } else if ((result = CPCL_Print(printer)) != 0) {
        report("CPCL_Print", result);
    }

    PortClose(printer);
    PrinterDestroy(printer);
    if (result == 0) {
        puts("label sent");
    }
    return result == 0 ? 0 : 1;
}
