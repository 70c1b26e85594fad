/*
 * Halvix: the list of the USB devices attached to this machine, with the
 * hardware identifier of each.
 *
 * The devices are read from sysfs (ROOT/sys/bus/usb/devices, where ROOT is
 * the folder named by the environment variable COBRIX_SYSFS_ROOT, or the
 * real root when it is not set). Every USB device counts, hubs included;
 * interfaces do not.
 */
#ifndef HALVIX_H
#define HALVIX_H

#include <stdint.h>

#if defined(HALVIX_BUILDING)
#define HALVIX_API __attribute__((visibility("default")))
#else
#define HALVIX_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Results of DevInfo_UsbDevInfo_VidPid. */
#define HALVIX_OK 0
#define HALVIX_BAD_ARGUMENT (-1)
#define HALVIX_NO_SUCH_DEVICE (-2)

/* Takes a fresh snapshot of the attached USB devices and returns how many
 * there are (0 when sysfs cannot be read). The devices are ordered by bus
 * number, then by their port path (1-1 before 1-1.4 before 1-2 before 1-10). */
HALVIX_API int32_t DevInfo_UsbDevCount(void);

/* Describes device `index` (0 to count - 1) of the last snapshot (one is
 * taken first when there is none yet):
 *   name        receives the zero-terminated device name: the manufacturer and
 *               product texts the device reports, or "USB device" followed by
 *               its bus path when it reports neither;
 *   idLength    receives the number of bytes written to identifier;
 *   identifier  receives the hardware identifier text, without a terminator:
 *               "USB\VID_xxxx&PID_yyyy\" followed by the device's serial
 *               number, or by its bus path when it has none (upper-case
 *               hexadecimal, for example USB\VID_20D1&PID_7008\1-1.4);
 *   flags       0 (no other value is defined);
 *   bufferSize  the size in bytes of each of the two buffers.
 * Texts longer than a buffer are cut at a character boundary.
 * Returns HALVIX_OK, HALVIX_NO_SUCH_DEVICE for an index outside the snapshot
 * (the name is then empty and idLength 0), or HALVIX_BAD_ARGUMENT for a null
 * pointer or a buffer size below 1. */
HALVIX_API int32_t DevInfo_UsbDevInfo_VidPid(int32_t index, char* name, int32_t* idLength,
                                             uint8_t* identifier, int32_t flags, int32_t bufferSize);

#ifdef __cplusplus
}
#endif

#endif /* HALVIX_H */
