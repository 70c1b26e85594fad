/* The public header compiles as C11, and a C program can call the library. */
#include "cobrix.h"

#include <stdio.h>
#include <string.h>

int main(void) {
    ostrel_io_uri uri;
    PrinterHandle handle = NULL;
    char16_t text[128];
    const char16_t model[] = u"Vorlan";

    if (ostrel_io_uri_from_str(&uri, "ostrel:/dev/bus/NET/DEVICE?ip=10.0.0.1") != 0 ||
        strcmp(ostrel_io_uri_get_option(&uri, "ip"), "10.0.0.1") != 0) {
        fputs("address parsing failed\n", stderr);
        return 1;
    }
    if (PrinterCreator(&handle, model) != 0 || handle == NULL) {
        fputs("PrinterCreator failed\n", stderr);
        return 1;
    }
    if (PortClose(handle) != -309 || PrinterDestroy(handle) != 0 || PrinterDestroy(handle) != -6) {
        fputs("handle life cycle failed\n", stderr);
        return 1;
    }
    if (FormatError(-309, 9, text, 0, (int)sizeof(text)) != 0 || text[0] != u'I') {
        fputs("FormatError failed\n", stderr);
        return 1;
    }
    puts("C client: 1 passed, 0 failed");
    return 0;
}
