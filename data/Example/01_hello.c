/* 第一个程序：在屏幕上输出一行问候 */
#include <stdio.h>

int main(void)
{
    printf("你好，世界！\n");    /* \n 表示换行 */
    printf("Hello, world!\n");
    return 0;                   /* 返回 0 表示程序正常结束 */
}
