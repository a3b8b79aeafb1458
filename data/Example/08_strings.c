/* 字符串：字符数组以 '\0' 结尾，string.h 里有很多处理它的函数 */
#include <stdio.h>
#include <string.h>
#include <ctype.h>

int main(void)
{
    char line[100];
    char copy[100];
    size_t i, len;
    int letters = 0, digits = 0, spaces = 0;

    printf("请输入一行英文（可以带数字和空格）：");
    if (fgets(line, sizeof line, stdin) == NULL) {   /* fgets 不会写出数组的边界 */
        return 1;
    }
    line[strcspn(line, "\n")] = '\0';               /* 去掉末尾的换行符 */

    len = strlen(line);
    printf("长度：%lu\n", (unsigned long)len);

    for (i = 0; i < len; i++) {
        unsigned char c = (unsigned char)line[i];
        if (isalpha(c)) letters++;
        else if (isdigit(c)) digits++;
        else if (c == ' ') spaces++;
    }
    printf("字母 %d 个，数字 %d 个，空格 %d 个\n", letters, digits, spaces);

    /* 复制一份，再把它倒过来 */
    strcpy(copy, line);
    for (i = 0; i < len / 2; i++) {
        char t = copy[i];
        copy[i] = copy[len - 1 - i];
        copy[len - 1 - i] = t;
    }
    printf("倒过来：%s\n", copy);

    if (strcmp(line, copy) == 0) {
        printf("这是一个回文！\n");
    }

    for (i = 0; i < len; i++) {
        copy[i] = (char)toupper((unsigned char)line[i]);
    }
    printf("大写：%s\n", copy);
    return 0;
}
