# fish completion for pelmora and pelmora-sim. As the bash completion does,
# everything offered is read from the program's own --help at the moment of
# completion: its commands, their options and the fields `config set` takes.

# The --help of the command path typed so far.
function __pelmora_help
    set -l tokens (commandline -opc)
    set -l program $tokens[1]
    set -l path
    set -l help ($program --help 2>/dev/null)
    for token in $tokens[2..-1]
        string match -q -- '-*' $token; and continue
        if contains -- $token (printf '%s\n' $help | __pelmora_commands_of)
            set -a path $token
            set help ($program $path --help 2>/dev/null)
        end
    end
    printf '%s\n' $help
end

function __pelmora_commands_of
    awk '/^Subcommands:/ { on = 1; next } on && /^  [^ ]/ { print $1 } on && /^$/ { on = 0 }'
end

function __pelmora_words
    set -l help (__pelmora_help)
    if string match -q -- '-*' (commandline -ct)
        printf '%s\n' $help | grep -oE '^ +(-[A-Za-z0-9],)?--[A-Za-z0-9][-A-Za-z0-9]*' | tr ',' '\n' | tr -d ' '
        return
    end
    printf '%s\n' $help | __pelmora_commands_of
    printf '%s\n' $help | awk '/^Fields:/ { on = 1 } on && /^$/ { on = 0 } on { printf "%s ", $0 }' |
        sed -e 's/^Fields: *//' -e 's/\. .*$//' | tr ',' '\n' | awk '{ if ($1 ~ /^[A-Z][A-Za-z0-9]*$/) print $1 "=" }'
end

# Files where the command takes no more words of its own.
function __pelmora_wants_files
    set -l words (__pelmora_words)
    test (count $words) -eq 0
end

for program in pelmora pelmora-sim
    complete -c $program -f -a '(__pelmora_words)'
    complete -c $program -n __pelmora_wants_files -F
end
