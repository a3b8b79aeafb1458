/* 小游戏：猜数字。电脑想一个 1 到 100 的数，你来猜 */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

int main(void)
{
    int secret, guess, tries = 0;

    srand((unsigned)time(NULL));     /* 用当前时间做种子，每次的数都不一样 */
    secret = rand() % 100 + 1;       /* rand() % 100 得到 0 到 99 */

    printf("我想好了一个 1 到 100 之间的整数，猜猜看！\n");
    for (;;) {
        printf("你猜：");
        if (scanf("%d", &guess) != 1) {
            int c;
            /* 输入的不是数字：丢掉这一行，再猜一次 */
            while ((c = getchar()) != '\n' && c != EOF) {
            }
            if (c == EOF) return 1;
            printf("请输入一个整数。\n");
            continue;
        }
        tries++;
        if (guess > secret) {
            printf("大了！\n");
        } else if (guess < secret) {
            printf("小了！\n");
        } else {
            printf("猜对了！答案就是 %d，你一共猜了 %d 次。\n", secret, tries);
            break;
        }
    }
    return 0;
}
