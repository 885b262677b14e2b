<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>App</name>
    <message>
        <source>关于 Tavrel(&amp;A)...</source>
        <translation>&amp;About Tavrel...</translation>
    </message>
    <message>
        <source>时程播放器使用工具</source>
        <translation>Schedule Player Tool</translation>
    </message>
    <message>
        <source>一般时程设置</source>
        <translation>General Schedule</translation>
    </message>
    <message>
        <source>特殊时程设置</source>
        <translation>Special Schedule</translation>
    </message>
    <message>
        <source>特殊日期设置</source>
        <translation>Special Dates</translation>
    </message>
    <message>
        <source>全卡总览</source>
        <translation>Card Overview</translation>
    </message>
    <message>
        <source>内存不足，这次操作没有完成。</source>
        <translation>Out of memory: this was not finished.</translation>
    </message>
    <message>
        <source>发生了意外的错误，这次操作没有完成：%1</source>
        <translation>An unexpected error stopped this before it was finished: %1</translation>
    </message>
    <message>
        <source>信息提示框</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>关于 Tavrel</source>
        <translation>About Tavrel</translation>
    </message>
    <message>
        <source>%1
版本 %2

编辑时程播放器从 SD 卡读取的一般时程、特殊时程和特殊日期。</source>
        <translation>%1
Version %2

Edits the general schedule, the special schedule and the special dates that the schedule player reads from its SD card.</translation>
    </message>
    <message>
        <source>请选择文件夹：</source>
        <translation>Choose a folder:</translation>
    </message>
    <message>
        <source>选择音乐文件</source>
        <translation>Choose Music Files</translation>
    </message>
    <message>
        <source>音乐文件 (*.MP3 *.WMA *.WAV *.AAC *.OGG *.APE *.FLA)</source>
        <translation>Music files (*.MP3 *.WMA *.WAV *.AAC *.OGG *.APE *.FLA)</translation>
    </message>
</context>
<context>
    <name>CardWords</name>
    <message>
        <source>音乐定时</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>收音定时</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>电源定时</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>顺序播放</source>
        <translation>In order</translation>
    </message>
    <message>
        <source>随机播放</source>
        <translation>Shuffle</translation>
    </message>
    <message>
        <source>全部一起</source>
        <translation>All once</translation>
    </message>
    <message>
        <source>全部循环</source>
        <translation>Loop all</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>电源1</source>
        <translation>Power 1</translation>
    </message>
    <message>
        <source>电源2</source>
        <translation>Power 2</translation>
    </message>
    <message>
        <source>电源3</source>
        <translation>Power 3</translation>
    </message>
    <message>
        <source>外扩电源</source>
        <translation>Extension power</translation>
    </message>
    <message>
        <source>保持电源</source>
        <translation>Hold power</translation>
    </message>
    <message>
        <source>内存</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>外置SD卡</source>
        <translation>SD card</translation>
    </message>
    <message>
        <source>节目序号</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>定时模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation>End</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>电源</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>分区</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>收音机频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>播放设置</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>播放模式</source>
        <translation>Play mode</translation>
    </message>
    <message>
        <source>循环模式</source>
        <translation>Loop mode</translation>
    </message>
    <message>
        <source>音乐文件</source>
        <translation>Music file</translation>
    </message>
    <message>
        <source>保留字节</source>
        <translation>Reserved bytes</translation>
    </message>
    <message>
        <source>文件头的程序号</source>
        <translation>Program number in the header</translation>
    </message>
    <message>
        <source>文件头的空闲索引</source>
        <translation>Unused index slots in the header</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>原始值</source>
        <translation>raw value</translation>
    </message>
    <message>
        <source>个定时</source>
        <translation> timers</translation>
    </message>
    <message>
        <source>个日期</source>
        <translation> dates</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>文件不存在。</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>文档中没有这个文件。</source>
        <translation>The document does not name this file.</translation>
    </message>
    <message>
        <source>无法读取：</source>
        <translation>Cannot be read: </translation>
    </message>
    <message>
        <source>只在第一个中：</source>
        <translation>Only in the first: </translation>
    </message>
    <message>
        <source>只在第二个中：</source>
        <translation>Only in the second: </translation>
    </message>
    <message>
        <source>第一个：</source>
        <translation>First: </translation>
    </message>
    <message>
        <source>第二个：</source>
        <translation>Second: </translation>
    </message>
    <message>
        <source>第二个中为</source>
        <translation>in the second:</translation>
    </message>
    <message>
        <source>移到</source>
        <translation>moved to</translation>
    </message>
    <message>
        <source>日期的顺序不同</source>
        <translation>the dates are in another order</translation>
    </message>
    <message>
        <source>已写入。</source>
        <translation>Written.</translation>
    </message>
    <message>
        <source>将写入（未写）。</source>
        <translation>Would be written (not written).</translation>
    </message>
    <message>
        <source>内容相同，未写。</source>
        <translation>Same content, not written.</translation>
    </message>
    <message>
        <source>文档中为不存在，卡上的文件保持原样。</source>
        <translation>Absent in the document; the file on the card stays as it is.</translation>
    </message>
    <message>
        <source>文档中为无法读取，卡上的文件保持原样。</source>
        <translation>Unreadable in the document; the file on the card stays as it is.</translation>
    </message>
    <message>
        <source>有文件无法写入，什么都没有写。</source>
        <translation>A file could not be written; nothing was written.</translation>
    </message>
    <message>
        <source>已写入，但因后面的文件无法写入，又改回了原来的内容。</source>
        <translation>Written, then given its old content back because a later file could not be written.</translation>
    </message>
    <message>
        <source>不是有效的JSON。</source>
        <translation>Not valid JSON.</translation>
    </message>
    <message>
        <source>不是本工具的卡文档，或版本不对。</source>
        <translation>Not a card document of this tool, or of another version.</translation>
    </message>
    <message>
        <source>未知的字段。</source>
        <translation>Unknown field.</translation>
    </message>
    <message>
        <source>缺少必需的字段。</source>
        <translation>A required field is missing.</translation>
    </message>
    <message>
        <source>值的类型不对。</source>
        <translation>The value has the wrong type.</translation>
    </message>
    <message>
        <source>值超出了范围。</source>
        <translation>The value is out of range.</translation>
    </message>
    <message>
        <source>一个程序最多只能有512个定时。</source>
        <translation>A program can hold at most 512 timers.</translation>
    </message>
    <message>
        <source>这些定时写成文件将超过 4294967295 字节，程序文件的索引记录不了。</source>
        <translation>These timers would make a file larger than 4294967295 bytes, more than a program file&apos;s index can address.</translation>
    </message>
    <message>
        <source>一个定时最多只能有65535个音乐文件。</source>
        <translation>A timer can have at most 65535 music files.</translation>
    </message>
    <message>
        <source>音乐文件名太长。</source>
        <translation>A music file name is too long.</translation>
    </message>
    <message>
        <source>一个日期表最多只能有365个日期。</source>
        <translation>A date list can hold at most 365 dates.</translation>
    </message>
    <message>
        <source>同一个值出现了不止一次。</source>
        <translation>The same value appears more than once.</translation>
    </message>
    <message>
        <source>同一个对象中同一个字段出现了不止一次。</source>
        <translation>The same field appears more than once in one object.</translation>
    </message>
    <message>
        <source>文档太大：导入最多读取 %1 字节的文档。</source>
        <translation>The document is too large: import reads documents of at most %1 bytes.</translation>
    </message>
    <message>
        <source>这张卡的文档将超过 %1 字节，导入读不了这么大的文档，所以什么都没有导出。</source>
        <translation>The card&apos;s document would be larger than %1 bytes, more than import reads, so nothing was exported.</translation>
    </message>
    <message>
        <source>文件太大，无法比较：它的文档将超过 %1 字节。</source>
        <translation>The file is too large to compare: its document would be larger than %1 bytes.</translation>
    </message>
    <message>
        <source>内存不足，没有完成。</source>
        <translation>Out of memory; not finished.</translation>
    </message>
    <message>
        <source>意外的错误，没有完成：</source>
        <translation>Unexpected error; not finished: </translation>
    </message>
    <message>
        <source>删除：</source>
        <translation>Removed: </translation>
    </message>
    <message>
        <source>新增：</source>
        <translation>Added: </translation>
    </message>
    <message>
        <source>写入前：</source>
        <translation>Before: </translation>
    </message>
    <message>
        <source>写入后：</source>
        <translation>After: </translation>
    </message>
    <message>
        <source>写入后为</source>
        <translation>after the write:</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>（</source>
        <translation> (</translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
</context>
<context>
    <name>DatePage</name>
    <message>
        <source>%1月%2日</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>打开...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>特殊日期设置</source>
        <translation>Special dates</translation>
    </message>
    <message>
        <source>程序选择：</source>
        <translation>Program:</translation>
    </message>
    <message>
        <source>月份：</source>
        <translation>Month:</translation>
    </message>
    <message>
        <source>日期：</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>特殊日期</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>保存路径:</source>
        <translation>Save path:</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>没有找到 %1。</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>%1 中包含无效的路径。</source>
        <translation>%1 contains an invalid path.</translation>
    </message>
    <message>
        <source>无法打开 %1 因为太多文件已被打开。</source>
        <translation>%1 could not be opened because too many files are open.</translation>
    </message>
    <message>
        <source>对 %1 的存取被拒绝。</source>
        <translation>Access to %1 was denied.</translation>
    </message>
    <message>
        <source>一个无效的文件柄与 %1 相关联。</source>
        <translation>An invalid file handle was associated with %1.</translation>
    </message>
    <message>
        <source>该目录已满，无法创建 %1。</source>
        <translation>The folder is full: %1 could not be created.</translation>
    </message>
    <message>
        <source>对 %1 进行查找失败。</source>
        <translation>A seek on %1 failed.</translation>
    </message>
    <message>
        <source>在存取 %1 时一个硬件输入/输出错误被报告。</source>
        <translation>A hardware input/output error was reported while accessing %1.</translation>
    </message>
    <message>
        <source>在存取 %1 时发生共享违例。</source>
        <translation>A sharing violation occurred while accessing %1.</translation>
    </message>
    <message>
        <source>在存取 %1 时发生锁违例。</source>
        <translation>A lock violation occurred while accessing %1.</translation>
    </message>
    <message>
        <source>在存取 %1 时磁盘已满。</source>
        <translation>The disk was full while accessing %1.</translation>
    </message>
    <message>
        <source>试图越过其尾端对 %1 进行读写。</source>
        <translation>An attempt was made to read or write %1 past its end.</translation>
    </message>
    <message>
        <source>写入校验失败：卡上读回的内容与写入的不同，这张卡可能已损坏。</source>
        <translation>Write check failed: what was read back from the card differs from what was written. This card may be damaged.</translation>
    </message>
    <message>
        <source>%1 比任何有效的卡文件都大，已保持原样，没有写入。</source>
        <translation>%1 is larger than any valid card file: nothing was written, and it was left as it is.</translation>
    </message>
    <message>
        <source>%1 不是一个普通文件，无法读写。</source>
        <translation>%1 is not a regular file: it cannot be read or written.</translation>
    </message>
    <message>
        <source>在对 %1 进行访问时发生了一个不明错误。</source>
        <translation>An unknown error occurred while accessing %1.</translation>
    </message>
    <message>
        <source>一未命名文件</source>
        <translation>an unnamed file</translation>
    </message>
</context>
<context>
    <name>Finding</name>
    <message>
        <source>程序文件比文件头还短，文件已损坏。</source>
        <translation>The program file is shorter than its header: the file is damaged.</translation>
    </message>
    <message>
        <source>程序文件的开头标记不对，文件已损坏。</source>
        <translation>The program file does not start with the right mark: the file is damaged.</translation>
    </message>
    <message>
        <source>文件头记载的定时多于512个，文件已损坏。</source>
        <translation>The header counts more than 512 timers: the file is damaged.</translation>
    </message>
    <message>
        <source>定时的位置超出了文件的末尾，文件已损坏。</source>
        <translation>A timer lies past the end of the file: the file is damaged.</translation>
    </message>
    <message>
        <source>定时的大小与它的音乐文件个数不符，文件已损坏。</source>
        <translation>A timer&apos;s size does not match its number of music files: the file is damaged.</translation>
    </message>
    <message>
        <source>定时没有一个接一个地存放，文件已损坏。</source>
        <translation>The timers are not stored one after another: the file is damaged.</translation>
    </message>
    <message>
        <source>日期文件的长度不是整数个日期，文件已损坏。</source>
        <translation>The date file&apos;s length is not a whole number of dates: the file is damaged.</translation>
    </message>
    <message>
        <source>日期文件多于365个日期，文件已损坏。</source>
        <translation>The date file holds more than 365 dates: the file is damaged.</translation>
    </message>
    <message>
        <source>文件正被其他程序使用，无法读取。</source>
        <translation>The file is in use by another program and cannot be read.</translation>
    </message>
    <message>
        <source>文件存在，但无法读取。</source>
        <translation>The file exists but cannot be read.</translation>
    </message>
    <message>
        <source>两个定时的开始时间相同。</source>
        <translation>Two timers start at the same time.</translation>
    </message>
    <message>
        <source>两个定时的时间重叠，而且有相同的分区。</source>
        <translation>Two timers overlap in time and share a zone.</translation>
    </message>
    <message>
        <source>结束时间不晚于开始时间。</source>
        <translation>The end time is not later than the start time.</translation>
    </message>
    <message>
        <source>定时没有选择星期，永远不会执行。</source>
        <translation>The timer has no weekday and never runs.</translation>
    </message>
    <message>
        <source>定时没有选择分区。</source>
        <translation>The timer has no zone.</translation>
    </message>
    <message>
        <source>音乐定时没有音乐文件。</source>
        <translation>The music timer has no music files.</translation>
    </message>
    <message>
        <source>定时有音乐文件在外置SD卡的文件夹中找不到。</source>
        <translation>The timer has music files that are not in the SD card folder.</translation>
    </message>
    <message>
        <source>定时的时间、定时模式、播放模式、循环模式或收音机频率超出了范围。</source>
        <translation>A time, the timer mode, the play mode, the repeat mode or the radio frequency of the timer is out of range.</translation>
    </message>
    <message>
        <source>日历上没有这个日期。</source>
        <translation>The calendar has no such date.</translation>
    </message>
    <message>
        <source>同一个日期出现在两个特殊日期表中。</source>
        <translation>The same date is in two special date lists.</translation>
    </message>
    <message>
        <source>同一个日期在日期表中出现了不止一次。</source>
        <translation>The same date is in the date list more than once.</translation>
    </message>
    <message>
        <source>日期表有日期，但对应的特殊程序没有定时。</source>
        <translation>The date list has dates, but its special program has no timers.</translation>
    </message>
    <message>
        <source>特殊程序有定时，但没有特殊日期，不会执行。</source>
        <translation>The special program has timers but no special dates: it never runs.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>这次写入没有在电脑上留下副本：无法写入历史记录。</source>
        <translation>This write has no copy on this computer: the history could not be written.</translation>
    </message>
    <message>
        <source>保存定时</source>
        <translation>Save timer</translation>
    </message>
    <message>
        <source>删除定时</source>
        <translation>Delete timer</translation>
    </message>
    <message>
        <source>复制程序</source>
        <translation>Copy program</translation>
    </message>
    <message>
        <source>保存日期</source>
        <translation>Save dates</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>批量编辑</source>
        <translation>Bulk edit</translation>
    </message>
    <message>
        <source>导入节假日</source>
        <translation>Holiday import</translation>
    </message>
    <message>
        <source>这张卡在这台电脑上还没有历史记录。</source>
        <translation>This computer has no history of this card yet.</translation>
    </message>
    <message>
        <source>内容没有区别。</source>
        <translation>The contents do not differ.</translation>
    </message>
    <message>
        <source>已恢复</source>
        <translation>restored</translation>
    </message>
    <message>
        <source>已恢复，但因后面的文件无法写入，又改回了原来的内容</source>
        <translation>restored, then given its old content back because a later file could not be written</translation>
    </message>
    <message>
        <source>上次被中断的多文件写入已补写完成，这些文件现在都是新的内容：</source>
        <translation>An interrupted write of several files was finished; these files now all hold their new contents: </translation>
    </message>
    <message>
        <source>上次被中断的多文件写入无法完成，这些文件已改回写入前的内容：</source>
        <translation>An interrupted write of several files could not be finished; these files hold what they held before it again: </translation>
    </message>
    <message>
        <source>上次被中断的多文件写入既无法完成也无法改回，下次打开这张卡时会再试：</source>
        <translation>An interrupted write of several files could neither be finished nor undone; it will be tried again the next time this card is opened: </translation>
    </message>
    <message>
        <source>这些文件在中断后已被其他程序改过，保持现状：</source>
        <translation>These files were changed by another program after the interruption and are left as they are: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>将恢复</source>
        <translation>would be restored</translation>
    </message>
    <message>
        <source>已是这个版本，不用写入</source>
        <translation>already holds this version, not written</translation>
    </message>
    <message>
        <source>这次写入之前卡上没有这个文件，不能恢复：卡上的文件从不删除。</source>
        <translation>The card had no such file before this write, so there is nothing to restore: files on the card are never deleted.</translation>
    </message>
    <message>
        <source>那时卡上没有这个文件，保持现状</source>
        <translation>not on the card then, left as it is</translation>
    </message>
    <message>
        <source>这台电脑上没有保存历史记录的位置（请设置 TAVREL_HISTORY）。</source>
        <translation>This computer has no place to keep a history (set TAVREL_HISTORY).</translation>
    </message>
    <message>
        <source>没有这条历史记录：</source>
        <translation>No such history entry: </translation>
    </message>
    <message>
        <source>无法识别的时间（请用 2026-12-11T08:00 的形式）：</source>
        <translation>A time that cannot be read (write it as 2026-12-11T08:00): </translation>
    </message>
    <message>
        <source>历史记录中保存的内容已损坏，无法使用：</source>
        <translation>What the history kept is damaged and cannot be used: </translation>
    </message>
    <message>
        <source>请给出一条历史记录的编号，或者 --all-before 时间，二者选一。</source>
        <translation>Give either the number of a history entry or --all-before TIME, not both.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>请先设置定时程序保存路径！！</source>
        <translation>Please set the save path of the timer programs first!</translation>
    </message>
    <message>
        <source>请先设置程序保存路径！！</source>
        <translation>Please set the save path of the programs first!</translation>
    </message>
    <message>
        <source>保存成功！</source>
        <translation>Saved!</translation>
    </message>
    <message>
        <source>开始时间有重复！！</source>
        <translation>This start time is already used!</translation>
    </message>
    <message>
        <source>每组程序最多只能保存512个定时！</source>
        <translation>A program can hold at most 512 timers!</translation>
    </message>
    <message>
        <source>每个定时最多只能有65535个音乐文件！</source>
        <translation>A timer can have at most 65535 music files!</translation>
    </message>
    <message>
        <source>音乐文件名太长，最多只能有260个字符！</source>
        <translation>The music file name is too long: at most 260 characters!</translation>
    </message>
    <message>
        <source>该定时已被其他程序修改，已重新读取。</source>
        <translation>Another program changed this timer; it has been read again.</translation>
    </message>
</context>
<context>
    <name>Overview</name>
    <message>
        <source>音乐定时</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>收音定时</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>电源定时</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>未知(%1)</source>
        <translation>Unknown (%1)</translation>
    </message>
    <message>
        <source>日</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>一</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>二</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>三</source>
        <translation>We</translation>
    </message>
    <message>
        <source>四</source>
        <translation>Th</translation>
    </message>
    <message>
        <source>五</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>六</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>外扩</source>
        <translation>Ext</translation>
    </message>
    <message>
        <source>保持</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>all</translation>
    </message>
    <message>
        <source>外置SD卡</source>
        <translation>SD card</translation>
    </message>
    <message>
        <source>内存</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>%1 定时 %2 %3 %4-%5</source>
        <translation>%1 timer %2 %3 %4-%5</translation>
    </message>
    <message>
        <source> 定时 %1</source>
        <translation> timer %1</translation>
    </message>
    <message>
        <source>、%1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>（</source>
        <translation> (</translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>卡文件夹：</source>
        <translation>Card:</translation>
    </message>
    <message>
        <source>打开...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>导出报告...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>定时一览</source>
        <translation>Timers</translation>
    </message>
    <message>
        <source>检查结果</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>一周图</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>按日期查看</source>
        <translation>By date</translation>
    </message>
    <message>
        <source>程序：</source>
        <translation>Program:</translation>
    </message>
    <message>
        <source>全部程序</source>
        <translation>All programs</translation>
    </message>
    <message>
        <source>双击一条，到它的页面去修改：</source>
        <translation>Double-click a line to change it on its page:</translation>
    </message>
    <message>
        <source>一般程序：</source>
        <translation>General program:</translation>
    </message>
    <message>
        <source>正在读取卡……</source>
        <translation>Reading the card…</translation>
    </message>
    <message>
        <source>导出报告</source>
        <translation>Export Report</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>正在写报告……</source>
        <translation>Writing the report…</translation>
    </message>
    <message>
        <source>报告无法写入：%1</source>
        <translation>The report could not be written: %1</translation>
    </message>
    <message>
        <source>请打开卡文件夹</source>
        <translation>Open a card folder</translation>
    </message>
    <message>
        <source>共 %1 个定时，%2 条检查结果</source>
        <translation>%1 timers, %2 findings</translation>
    </message>
    <message>
        <source>没有发现问题。</source>
        <translation>No problems found.</translation>
    </message>
    <message>
        <source>特殊程序</source>
        <translation>Special program</translation>
    </message>
    <message>
        <source>%1月%2日</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1 同时在 %2 中：不能确定运行哪一个特殊程序。</source>
        <translation>%1 is in %2 at once: which special program runs cannot be told.</translation>
    </message>
    <message>
        <source>%1 运行特殊时程：%2，%3 个定时。</source>
        <translation>%1 runs the special schedule: %2, %3 timers.</translation>
    </message>
    <message>
        <source>%1（%2）运行一般时程：%3，当天 %4 个定时。</source>
        <translation>%1 (%2) runs the general schedule: %3, %4 timers that day.</translation>
    </message>
    <message>
        <source>无此文件</source>
        <translation>No such file</translation>
    </message>
    <message>
        <source>%1 个定时</source>
        <translation>%1 timers</translation>
    </message>
    <message>
        <source>文件已损坏</source>
        <translation>Damaged file</translation>
    </message>
    <message>
        <source>文件被其他程序占用</source>
        <translation>In use by another program</translation>
    </message>
    <message>
        <source>文件无法读取</source>
        <translation>Cannot be read</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>结束</source>
        <translation>End</translation>
    </message>
    <message>
        <source>星期</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>电源</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>分区</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>媒体</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>音乐数</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>特殊日期（格中数字为日期表编号）</source>
        <translation>Special dates (a cell shows the numbers of the date lists holding it)</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 个日期</source>
        <translation>%1 dates</translation>
    </message>
    <message>
        <source>%1月</source>
        <translation>M%1</translation>
    </message>
    <message>
        <source>全卡总览报告</source>
        <translation>Card Overview Report</translation>
    </message>
    <message>
        <source>程序</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>周日</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>周一</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>这台电脑保存的每次写入，最新的在前：</source>
        <translation>Every write this computer kept, newest first:</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>把这个文件恢复为这次写入之前的内容</source>
        <translation>Put this file back as it was before this write</translation>
    </message>
    <message>
        <source>已恢复：%1 回到了这次写入之前的内容。</source>
        <translation>Restored: %1 is back as it was before this write.</translation>
    </message>
    <message>
        <source>历史</source>
        <translation>History</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>第一组程序</source>
        <translation>Program 1</translation>
    </message>
    <message>
        <source>第二组程序</source>
        <translation>Program 2</translation>
    </message>
    <message>
        <source>第三组程序</source>
        <translation>Program 3</translation>
    </message>
    <message>
        <source>第四组程序</source>
        <translation>Program 4</translation>
    </message>
    <message>
        <source>第五组程序</source>
        <translation>Program 5</translation>
    </message>
    <message>
        <source>第六组程序</source>
        <translation>Program 6</translation>
    </message>
</context>
<context>
    <name>SchedulePage</name>
    <message>
        <source>音乐定时</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>收音定时</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>电源定时</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>顺序播放</source>
        <translation>In order</translation>
    </message>
    <message>
        <source>随机播放</source>
        <translation>Shuffle</translation>
    </message>
    <message>
        <source>全部一起</source>
        <translation>All once</translation>
    </message>
    <message>
        <source>全部循环</source>
        <translation>Loop all</translation>
    </message>
    <message>
        <source>保存路径:</source>
        <translation>Save path:</translation>
    </message>
    <message>
        <source>打开...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>程序选择:</source>
        <translation>Program:</translation>
    </message>
    <message>
        <source>节目序号:</source>
        <translation>Timer No.:</translation>
    </message>
    <message>
        <source>定时模式:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>定时设置</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>开始时间:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>结束时间:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>星期一</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>电源/分区</source>
        <translation>Power / zones</translation>
    </message>
    <message>
        <source>电源1</source>
        <translation>Pwr 1</translation>
    </message>
    <message>
        <source>电源2</source>
        <translation>Pwr 2</translation>
    </message>
    <message>
        <source>电源3</source>
        <translation>Pwr 3</translation>
    </message>
    <message>
        <source>外扩电源</source>
        <translation>Ext. pwr</translation>
    </message>
    <message>
        <source>保持电源</source>
        <translation>Hold pwr</translation>
    </message>
    <message>
        <source>分区:</source>
        <translation>Zone:</translation>
    </message>
    <message>
        <source>收音机频率:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>播放设置</source>
        <translation>Playback</translation>
    </message>
    <message>
        <source>内存</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>外置SD卡</source>
        <translation>SD card</translation>
    </message>
    <message>
        <source>播放模式:</source>
        <translation>Play:</translation>
    </message>
    <message>
        <source>循环模式:</source>
        <translation>Repeat:</translation>
    </message>
    <message>
        <source>音乐文件</source>
        <translation>Music files</translation>
    </message>
    <message>
        <source>添加...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>程序复制</source>
        <translation>Copy program</translation>
    </message>
    <message>
        <source>复制到</source>
        <translation>to</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>下一定时</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>上一定时</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
</context>
</TS>
