// The stb_image and stb_image_write implementations, compiled here (for
// Windows bitmaps and PNG/BMP writing only) so that the sanitizer build
// instruments them together with the code that feeds them.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_THREAD_LOCALS
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image.h>
#include <stb_image_write.h>
