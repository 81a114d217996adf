/* The public header compiles as C, and its call types match the calls. */
#include "vellum62.h"

int vellum62_header_compiles_as_c(void)
{
    vellum62_txt2h_fn text = txt2h;
    vellum62_c2h_fn code = c2h;
    vellum62_datalist_fn list = datalist;
    vellum62_reg_tbl_fn table = reg_tbl;
    return text != 0 && code != 0 && list != 0 && table != 0 && VELLUM62_DONE == 0;
}
