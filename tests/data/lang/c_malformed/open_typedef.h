typedef struct {
