#include "uri.h"

#include "result_codes.h"

#include <cstring>
#include <string>

namespace cobrix::uri {

void clear(ostrel_io_uri* uri) {
    if (uri != nullptr) {
        std::memset(uri, 0, sizeof(*uri));
    }
}

int parse(ostrel_io_uri* uri, const char* text) {
    if (uri == nullptr) {
        return kBadParameter;
    }
    clear(uri);
    if (text == nullptr) {
        return kBadParameter;
    }
    const size_t length = strnlen(text, kMaxTextLength + 1);
    if (length > kMaxTextLength) {
        return kIoInvalidSetting;
    }
    std::memcpy(uri->text, text, length);
    uri->text[length] = '\0';

    char* pos = uri->text;
    char* const end = uri->text + length;
    int state = 0;
    for (;;) {
        if (state == 5) {
            return kOk;
        }
        if (pos >= end) {
            return kBadParameter;
        }
        switch (state) {
        case 0: {
            const size_t prefixLength = sizeof(kPrefix) - 1;
            if (std::strncmp(pos, kPrefix, prefixLength) != 0) {
                return kBadParameter;
            }
            pos += prefixLength;
            state = 1;
            break;
        }
        case 1: {
            char* slash = std::strchr(pos, '/');
            if (slash == nullptr) {
                return kBadParameter;
            }
            *slash = '\0';
            uri->bus = pos;
            pos = slash + 1;
            state = 2;
            break;
        }
        case 2: {
            char* question = std::strchr(pos, '?');
            if (question == pos) {
                return kBadParameter; // a device name has at least one character
            }
            uri->device = pos;
            if (question != nullptr) {
                *question = '\0';
                pos = question + 1;
                state = 3;
            } else {
                state = 5;
            }
            break;
        }
        case 3: {
            char* equals = std::strchr(pos, '=');
            if (equals == nullptr) {
                state = 5; // a key without "=" ends the address; the rest is ignored
                break;
            }
            if (uri->option_count >= OSTREL_IO_URI_MAX_OPTIONS) {
                return kBadParameter;
            }
            *equals = '\0';
            uri->options[uri->option_count].key = pos;
            pos = equals + 1;
            state = 4;
            break;
        }
        case 4: {
            char* plus = std::strchr(pos, '+');
            uri->options[uri->option_count].value = pos;
            uri->option_count++;
            if (plus != nullptr) {
                *plus = '\0';
                pos = plus + 1;
                state = 3;
            } else {
                state = 5;
            }
            break;
        }
        default:
            return kBadParameter;
        }
    }
}

namespace {

// Appends to a bounded text; reports whether everything fit with the terminator.
class BoundedText {
  public:
    BoundedText(char* buffer, int capacity) : buffer_(buffer), capacity_(capacity) {}

    void append(const char* text) {
        const size_t n = std::strlen(text);
        if (fits_ && used_ + n + 1 <= static_cast<size_t>(capacity_)) {
            std::memcpy(buffer_ + used_, text, n);
            used_ += n;
            buffer_[used_] = '\0';
        } else {
            fits_ = false;
        }
    }
    bool fits() const { return fits_; }

  private:
    char* buffer_;
    int capacity_;
    size_t used_ = 0;
    bool fits_ = true;
};

int finish(const BoundedText& out, char* buffer, int capacity) {
    if (!out.fits()) {
        buffer[capacity - 1] = '\0';
        buffer[0] = '\0';
        return kNoBuffer;
    }
    return kOk;
}

} // namespace

int build(char* buffer, int capacity, const char* bus, const char* device, const char* const* keys,
          const char* const* values, int count) {
    if (buffer == nullptr || capacity <= 0 || bus == nullptr || count < 0 ||
        (count > 0 && (keys == nullptr || values == nullptr))) {
        return kBadParameter;
    }
    buffer[0] = '\0';
    BoundedText out(buffer, capacity);
    out.append(kPrefix);
    out.append(bus);
    out.append("/");
    out.append(device != nullptr ? device : "DEVICE");
    bool first = true;
    for (int i = 0; i < count; ++i) {
        if (values[i] == nullptr) {
            continue;
        }
        out.append(first ? "?" : "+");
        out.append(keys[i] != nullptr ? keys[i] : "");
        out.append("=");
        out.append(values[i]);
        first = false;
    }
    return finish(out, buffer, capacity);
}

int print(const ostrel_io_uri* uri, char* buffer, int capacity) {
    if (uri == nullptr || buffer == nullptr || capacity <= 0 || uri->bus == nullptr ||
        uri->device == nullptr || uri->option_count < 0 || uri->option_count > OSTREL_IO_URI_MAX_OPTIONS) {
        return kBadParameter;
    }
    buffer[0] = '\0';
    BoundedText out(buffer, capacity);
    out.append(kPrefix);
    out.append(uri->bus);
    out.append("/");
    out.append(uri->device);
    for (int i = 0; i < uri->option_count; ++i) {
        const ostrel_io_uri_option& opt = uri->options[i];
        out.append(i == 0 ? "?" : "+");
        out.append(opt.key != nullptr ? opt.key : "");
        out.append("=");
        out.append(opt.value != nullptr ? opt.value : "");
    }
    return finish(out, buffer, capacity);
}

const char* option(const ostrel_io_uri* uri, const char* key) {
    if (uri == nullptr || key == nullptr || uri->option_count < 0) {
        return nullptr;
    }
    const int count =
        uri->option_count < OSTREL_IO_URI_MAX_OPTIONS ? uri->option_count : OSTREL_IO_URI_MAX_OPTIONS;
    for (int i = 0; i < count; ++i) {
        const ostrel_io_uri_option& opt = uri->options[i];
        if (opt.key != nullptr && std::strcmp(opt.key, key) == 0) {
            return opt.value;
        }
    }
    return nullptr;
}

} // namespace cobrix::uri
