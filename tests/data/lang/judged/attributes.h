/* judge PACKED_HDR PACKED_HDR */
/* judge ALIGNED_HDR ALIGNED_HDR */
/* judge USES_HDR struct USES_HDR */
typedef struct { char tag[2]; unsigned int size; } __attribute__((packed)) PACKED_HDR;
typedef struct __declspec(align(1)) { short a; char b; } ALIGNED_HDR;
struct USES_HDR { PACKED_HDR h; ALIGNED_HDR g; char c; };
